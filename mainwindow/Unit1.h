#pragma once

#include "PictureBox.h"
#include "TextLabel.h"

#include "dialogs/Dialogs.h"
#include "draw/DrawQueue.h"
#include "draw/EventFiles.h"
#include "settings/Unit4.h"
#include "shell/Shell.h"
#include "ticket/TicketPrinting.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

// What the main window is given to reach the world: message boxes, the source of chance, the
// desktop shell, the system's speech and where the files are.
struct MainServices {
    Dialogs& dialogs;
    draw::SeedSource& seeds;
    shell::Shell& shell;
    speech::Speech& speech;
    draw::ProgramPaths paths = {};
};

// The main window: the park's title, the big number display, the status line and the start and
// reprint pictures on the background. Creating it runs the start-up sequence.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(MainServices services, QWidget* parent = nullptr);

    // The other windows exist only after the main window; they are wired in then.
    void attachTicket(ticket::TicketPrinting& printing, TForm3& drawnLog);
    void attachSettingsWindow(TForm4& settingsWindow);

    // True after a failed start-up: the program is to end once the window has been shown.
    bool endRequested() const { return endRequested_; }
    const draw::ProgramPaths& paths() const { return services_.paths; }
    // The settings read at start, or saved in the settings window since.
    const settings::Settings& settings() const { return settings_; }

    // The queue of the event in play.
    const draw::DrawQueue& drawQueue() const { return Memo1; }

    // The handlers of the controls' clicks and of the timers.
    void Image2Click();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Image4Click();
    void Label1DblClick();
    void Label2DblClick();
    void Label3DblClick();
    // Masks the access prompt's edit box; reached only through the posted message.
    void WMMaskPassword();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void runStartUp();
    void showStep();
    void layOut();
    void showStatus();
    void applySettings(const settings::Settings& settings);
    ticket::TicketTexts ticketTexts() const;
    // Loads a skin picture onto a picture control; false when it cannot be loaded.
    bool tryShowPicture(PictureBox* box, const char* path) const;

    // Controls, bottom to top.
    PictureBox* Image1;
    TextLabel* Label1;
    PictureBox* Image2;
    PictureBox* Image4;
    TextLabel* Label2;
    TextLabel* Label3;

    // The hidden list of the draw queue.
    draw::DrawQueue Memo1;

    // Children of the window, so that they can be found by name like the controls.
    QTimer Timer1{this};
    QTimer Timer2{this};
    QTimer Timer3{this};

    MainServices services_;
    ticket::TicketPrinting* printing_ = nullptr;
    TForm3* drawnLog_ = nullptr;
    TForm4* settingsWindow_ = nullptr;
    settings::Settings settings_;
    bool endRequested_ = false;
};
