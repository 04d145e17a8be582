// Kurobi: starts the application and its one window and runs until the window closes.

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "ui/main_window.h"
#include "ui/platform_termination.h"
#include "ui/platform_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Only the name: a display name would be appended to every window caption.
    QApplication::setApplicationName(QString::fromUtf8(kurobi::kApplicationTitle));
    QApplication::setWindowIcon(kurobi::ProgramIcon());
    // Ties the window to the installed desktop entry, whose icon and name the desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral(KUROBI_APP_ID));
    try {
        kurobi::TForm1 form;
        kurobi::CloseOnTerminationSignals(form);
        kurobi::ShowCentred(form);
        QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromUtf8(error.what()));
    }
    return 0;
}
