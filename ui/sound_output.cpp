#include "ui/sound_output.h"

#include <QApplication>

namespace verminadia::ui {

void SystemSound::beep() { QApplication::beep(); }

}  // namespace verminadia::ui
