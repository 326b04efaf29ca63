// The base of every widget: identity, parent, enabled and visible state, text, and the peer that mirrors it.
#pragma once

#include <functional>
#include <string>

namespace vocset {

enum class Property { Enabled, Visible, Text, Checked, Items, ItemIndex, Position, Value, ActivePage };

// The platform side of a widget: told after each change of the widget's state, it mirrors the
// state into the real control. Headless widgets have none.
class WidgetPeer {
public:
    virtual ~WidgetPeer() = default;
    virtual void Changed(Property property) = 0;
};

using Handler = std::function<void()>;

class Control {
public:
    Control(int id, Control* parent) : id_(id), parent_(parent) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int Id() const { return id_; }
    Control* Parent() const { return parent_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // The caption of a button, check box, label or group box; the text of an edit.
    const std::string& Text() const { return text_; }
    virtual void SetText(const std::string& text);

    // Losing the keyboard focus (see Focus.h).
    Handler OnExit;

    void AttachPeer(WidgetPeer* peer) { peer_ = peer; }

protected:
    void Notify(Property property);
    // Stores a value of the widget's state and tells the peer, only when it differs; true when it did.
    template <class Value>
    bool Store(Value& field, const Value& value, Property property) {
        if (field == value) return false;
        field = value;
        Notify(property);
        return true;
    }
    // Stores the text; true when it changed.
    bool StoreText(const std::string& text) { return Store(text_, text, Property::Text); }

private:
    int id_;
    Control* parent_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string text_;
    WidgetPeer* peer_ = nullptr;
};

inline void Fire(const Handler& handler) {
    if (handler) handler();
}

}  // namespace vocset
