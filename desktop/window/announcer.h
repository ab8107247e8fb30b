#pragma once
// Says texts through a screen reader by itself, politely and in order, wherever the focus is:
// each text is a notification shown inside a status bar, the one change Orca speaks without the
// focus and without a role name (Qt 6.4 has no announcement event of its own). Neither is ever
// drawn.

#include <vector>

#include "frontend/shell.h"

class QWidget;

namespace verminadia::desktop {

class Announcer {
public:
    explicit Announcer(QWidget* window);
    void announce(const std::vector<frontend::Announcement>& texts);

private:
    QWidget* window_;
    // A reader reads a notification's text when it comes to its event, maybe after later ones
    // were sent: each text keeps its own notification until the pool comes round again.
    std::vector<QWidget*> notes_;
    std::size_t next_ = 0;
};

}  // namespace verminadia::desktop
