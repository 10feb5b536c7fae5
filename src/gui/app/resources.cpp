#include "gui/app/resources.h"

#include <QtGlobal>

static void initVexilorResources() {
    Q_INIT_RESOURCE(vexilor);
}

namespace vex {

void registerResources() {
    static const bool once = (initVexilorResources(), true);
    (void)once;
}

} // namespace vex
