#include "app/programicon.h"

// Outside any namespace, as Q_INIT_RESOURCE needs.
static void initProgramIconResource()
{
    // the library is static: without this the linker drops the resource
    Q_INIT_RESOURCE(programicon);
}

QIcon programIcon()
{
    static const bool initialised = (initProgramIconResource(), true);
    Q_UNUSED(initialised);
    return QIcon(QStringLiteral(":/tarvolo/tarvolo.png"));
}
