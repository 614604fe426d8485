// SPDX-License-Identifier: GPL-2.0-or-later
// A host that is no Qt program: it loads the real Mobile module by name,
// beside itself, and calls it from a plain std::thread, as a C program or a
// script may. Usage: orrin_plain_host <device>. Exit 0 when every call
// answered as the phone would; the test checks that nothing was printed to
// stderr.
#include "phone/PhoneApi.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

std::string ModulePath(const char *program)
{
    const std::string path(program);
    const size_t slash = path.rfind('/');
    return (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "/libMobile.so";
}

template <typename Fn>
Fn *Entry(void *module, const char *name)
{
    return reinterpret_cast<Fn *>(dlsym(module, name));
}

#define ENTRY(module, name) Entry<decltype(::name)>(module, #name)

bool Check(bool passed, const char *what)
{
    if (!passed)
        std::printf("failed: %s\n", what);
    return passed;
}

bool TalkToThePhone(void *module, const char *device)
{
    auto openComms = ENTRY(module, OpenComms);
    auto getMobileInfo = ENTRY(module, GetMobileInfo);
    auto setTeleBookMemo = ENTRY(module, SetTeleBookMemo);
    auto readTeleBook = ENTRY(module, ReadTeleBook);
    auto getMETime = ENTRY(module, GetMETime);
    auto closeComms = ENTRY(module, CloseComms);
    if (!Check(openComms && getMobileInfo && setTeleBookMemo && readTeleBook && getMETime && closeComms,
               "entry points"))
        return false;
    char manufacturer[MOBILE_MANUFACTURER_SIZE], model[MOBILE_MODEL_SIZE], revision[MOBILE_REVISION_SIZE];
    char imei[MOBILE_IMEI_SIZE], battery[MOBILE_BATTERY_SIZE], signal[MOBILE_SIGNAL_SIZE];
    char ownNumber[MOBILE_OWN_NUMBER_SIZE];
    char number[TELEBOOK_NUMBER_SIZE], name[TELEBOOK_NAME_SIZE], clock[ME_TIME_SIZE];
    int32_t vip = 0;
    bool passed = Check(openComms(device, 115200), "OpenComms");
    passed = Check(getMobileInfo(manufacturer, model, revision, imei, battery, signal, ownNumber) &&
                       std::strcmp(manufacturer, "SIEMENS") == 0,
                   "GetMobileInfo") && passed;
    passed = Check(setTeleBookMemo("SM") > 0, "SetTeleBookMemo") && passed;
    passed = Check(readTeleBook(1, number, name, &vip) == 1, "ReadTeleBook") && passed;
    passed = Check(getMETime(clock) && std::strlen(clock) == 17, "GetMETime") && passed;
    return Check(closeComms(), "CloseComms") && passed;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    void *module = dlopen(ModulePath(argv[0]).c_str(), RTLD_NOW);
    if (!Check(module != nullptr, "dlopen"))
        return 1;
    bool passed = false;
    std::thread caller([&] { passed = TalkToThePhone(module, argv[1]); });
    caller.join();
    return passed ? 0 : 1;
}
