#include "frontend/screen_reader/accessible.h"

#include <algorithm>

#include "frontend/focus_order.h"
#include "frontend/screen_reader/picture_names.h"
#include "frontend/spaces.h"

namespace verminadia::frontend {

Role roleOf(W w) {
    switch (def(w).kind) {
        case Kind::Label: return pressable(w) ? Role::Button : Role::StaticText;
        case Kind::Panel: return w == W::MessagePanel ? Role::Section : Role::Pane;
        case Kind::Picture: return Role::Graphic;
        case Kind::Button: return Role::Button;
        case Kind::Edit: return Role::Heading;
    }
    return Role::Pane;
}

std::string messagePanelText(const Form& f) {
    std::string text;
    for (const W line : {W::MessageLine1, W::MessageLine2, W::MessageLine3}) {
        const std::string& caption = f.caption(line);
        if (trimSpaces(caption).empty()) continue;
        if (!text.empty()) text += '\n';
        text += caption;
    }
    return text;
}

std::string accessibleName(W w, const Game& g) {
    switch (def(w).kind) {
        case Kind::Label: {
            if (isReadingStop(w)) return collapseSpaces(g.form.caption(w));
            // A value in its column is read after the pause a space makes.
            std::string caption = g.form.caption(w);
            std::replace(caption.begin(), caption.end(), kColumnBreak, ' ');
            return caption;
        }
        case Kind::Button:
        case Kind::Edit: return g.form.caption(w);
        case Kind::Picture: return pictureName(w, g);
        case Kind::Panel: {
            if (w == W::MessagePanel) return messagePanelText(g.form);
            // The town is called by its name on top; the others by their heading box, where they
            // have one.
            if (w == W::TownButtons) return g.form.caption(W::TownName);
            for (const WidgetDef& child : kWidgets) {
                if (child.parent == w && child.kind == Kind::Edit) return g.form.caption(child.id);
            }
            return {};
        }
    }
    return {};
}

}  // namespace verminadia::frontend
