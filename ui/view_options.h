#pragma once
// The view on the command line: --scale N and --fullscreen choose this run's view over the saved
// one, without saving it.

#include "ui/stage.h"

class QCommandLineParser;

namespace verminadia::ui {

void addViewOptions(QCommandLineParser& parser);
// Puts the options given into `view`. False after saying in one line on standard error what is
// wrong with them; then nothing is changed.
bool readViewOptions(const QCommandLineParser& parser, ViewChoice& view);

}  // namespace verminadia::ui
