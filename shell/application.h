#pragma once
// The program's start and end, and the one place where the failures of event handling are caught.

#include <functional>

#include <QApplication>

class TForm1;

// The application object. Every event is dispatched through notify(); a failure that leaves the
// handling of an event ends there and goes to the error display, and the event loop goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool event(QEvent* event) override;
};

namespace shell {

inline constexpr char kApplicationTitle[] = "Tessaro";

// Gives the application object its names and title, the style, the window's faces and the main icon.
void setUpApplication();

// Runs the program: start-up, the event loop until the main window is closed, the end. `beforeLoop`
// sees the main window once it is created and the series started, before anything is shown.
// Returns 0 after a normal end, 1 after a failure before the event loop.
int run(int& argc, char** argv, const std::function<void(TForm1&)>& beforeLoop = {});

// Whether the environment names a display (or a Qt platform) to open the window on.
bool hasDisplay();

}  // namespace shell
