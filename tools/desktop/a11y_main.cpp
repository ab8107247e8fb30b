// verminadia-a11y SCRIPT: plays a script as verminadia-script does, then prints what a screen
// reader finds in the real window as the game left it, without a display: one JSON object a line,
// depth first from the window, with the widget's object name, its accessible name, its role (Qt's
// name for it), and whether it is showing and focusable.

#include <cstdio>
#include <iostream>

#include <QAccessible>
#include <QApplication>
#include <QMetaEnum>

#include "desktop/window/app_style.h"
#include "script/json.h"
#include "script/script.h"
#include "tools/desktop/played_window.h"

namespace {

void print(QAccessibleInterface* iface) {
    if (!iface) return;
    const QAccessible::State state = iface->state();
    const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(iface->role());
    const QObject* object = iface->object();
    std::cout << "{\"object\":" << verminadia::json::quote(object ? object->objectName().toStdString() : "")
              << ",\"name\":" << verminadia::json::quote(iface->text(QAccessible::Name).toStdString())
              << ",\"role\":" << verminadia::json::quote(role ? role : "")
              << ",\"showing\":" << (state.invisible ? "false" : "true")
              << ",\"focusable\":" << (state.focusable ? "true" : "false") << "}\n";
    for (int i = 0; i < iface->childCount(); ++i) print(iface->child(i));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: verminadia-a11y SCRIPT\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    verminadia::desktop::applyClassicLook();

    verminadia::desktop::PlayedWindow played("verminadia-a11y");
    if (const int status = played.play(argv[1]); status != 0) return status;
    print(QAccessible::queryAccessibleInterface(&played.window()));
    return 0;
}
