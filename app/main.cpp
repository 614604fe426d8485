// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MobileApp.h"

int main(int argc, char *argv[])
{
    orrin::CMobileApp app(argc, argv);
    app.InitInstance();
    return app.exec();
}
