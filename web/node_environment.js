// Under node the program sees the shell's environment (LANGUAGE picks the catalogue), as a
// native program does.
if (typeof process === 'object' && process.env) {
  Module['preRun'] = (Module['preRun'] || []).concat(function () {
    Object.assign(ENV, process.env);
  });
}
