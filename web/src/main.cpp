// ヴェルミナーディア外伝 in a browser: the page's program. It builds the stage, then returns; from
// then on the game runs on the page's events and its timers.

#include "web/src/page.h"

int main() {
    static verminadia::web::Page page;
    page.start();
    return 0;
}
