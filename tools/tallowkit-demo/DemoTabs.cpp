#include "DemoTabs.h"

QWidget* MakeTextPortTab(QWidget* parent);

// Each tab lives in its own unit; this table is the only place that lists them.
std::span<const DemoTab> DemoTabs() {
    static const DemoTab tabs[] = {
        {"Text port", "textport", MakeTextPortTab},
    };
    return tabs;
}
