// The main window's widgets, built from the layout table and found by their ids.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include "ui/Layout.h"
#include "widgets/Controls.h"

namespace vocset {

class WidgetSet {
public:
    WidgetSet(const std::vector<ControlSpec>& layout, const Language& language);

    Control* Find(ControlId id) const;
    template <class T>
    T& Get(ControlId id) const {
        auto* control = dynamic_cast<T*>(Find(id));
        if (!control) throw std::logic_error("no widget of that kind with that id");
        return *control;
    }

private:
    std::map<ControlId, std::unique_ptr<Control>> widgets_;
};

}  // namespace vocset
