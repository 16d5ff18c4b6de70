#include "UiTest.h"

#include "platform/Services.h"

namespace tv::test {

void UiTest::begin()
{
    data = new TempDataDir;
    services = new ScriptedServices;
    waits = new WaitRecorder;
}

void UiTest::createApp()
{
    app = new Application;
}

void UiTest::end()
{
    delete app;
    app = nullptr;
    setHourglass(false);
    delete waits;
    delete services;
    delete data;
    waits = nullptr;
    services = nullptr;
    data = nullptr;
}

} // namespace tv::test
