#include "Resources.h"

#include <QtCore/QDir>

// Outside any namespace, as the resource initialiser requires.
static void InitOrrinResources()
{
    Q_INIT_RESOURCE(orrin);
}

void orrin::InitResources()
{
    InitOrrinResources();
}
