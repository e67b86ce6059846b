// Preloaded (LD_PRELOAD) into the program as it is built and into the bare Qt
// program, so that both are timed without a line of either being changed: as
// soon as the application object exists, the first-paint probe is installed.
#include "bench/Misura.h"

#include <QCoreApplication>

namespace {

void InstallaSonda()
{
    static PrimoDisegno filtro;
    QCoreApplication::instance()->installEventFilter(&filtro);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallaSonda)
