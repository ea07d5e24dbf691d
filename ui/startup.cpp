#include "ui/startup.h"

#include "ui/unit1.h"
#include "ui/unit2.h"

namespace colvexa::ui {

int RunApplication(TApplication& application,
                   const std::function<void(TApplication&)>& createForms) {
    try {
        application.Initialize();
        createForms(application);
        application.Run();
        return 0;
    } catch (const std::exception& e) {
        application.ShowException(e.what());
    } catch (...) {
        application.ShowException("");
    }
    return 1;  // the error was shown; the run did not succeed
}

int RunColvexa(TApplication& application, platform::Desktop& desktop, platform::Shell& shell) {
    return RunApplication(application, [&](TApplication& app) {
        app.CreateForm(Form1, desktop);
        app.CreateForm(Form2, desktop, shell);
    });
}

}  // namespace colvexa::ui
