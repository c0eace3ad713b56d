#include "Unit1.h"

#include "MainLayout.h"
#include "ProgramTexts.h"

#include "common/ByteText.h"
#include "common/Codepage.h"
#include "dialogs/Screen.h"
#include "draw/EventFiles.h"
#include "imaging/JpegDecoder.h"
#include "imaging/PngDecoder.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

namespace {

const char* const backgroundPath = "skin/blue/BG.jpg";
const char* const startPicturePath = "skin/blue/ks.png";
const char* const reprintPicturePath = "skin/blue/dy.png";
const char* const drawnPicturePath = "skin/blue/cs.png";

// The built-in background: plain blue with a lighter band where the title sits.
QPixmap builtInBackground() {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(QColor(16, 58, 140));
    QPainter painter(&image);
    QLinearGradient band(0, 40, 0, 135);
    band.setColorAt(0, QColor(16, 58, 140));
    band.setColorAt(0.5, QColor(70, 130, 210));
    band.setColorAt(1, QColor(16, 58, 140));
    painter.fillRect(0, 40, 800, 95, band);
    return QPixmap::fromImage(image);
}

QFont labelFont(const QString& face, int characterHeight, bool bold) {
    QFont font(face);
    font.setPixelSize(characterHeight);
    font.setBold(bold);
    return font;
}

} // namespace

TForm1::TForm1(MainServices services, QWidget* parent)
    : QWidget(parent), Memo1(services.seeds), services_(services) {
    createControls();
    runStartUp();
}

void TForm1::createControls() {
    setWindowTitle(texts::mainCaption);
    resize(938, 718);
    centreOnPrimaryScreen(*this);

    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(builtInBackground());

    Label1 = new TextLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->resize(633, 62);
    Label1->setFont(labelFont(QStringLiteral(u"黑体"), 53, true));
    Label1->setStyleSheet(QStringLiteral("color: white"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGbkText(common::utf8ToGbk("岚舟垂钓园").value());

    Image2 = new PictureBox(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->resize(48, 48);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setToolTip(texts::startTooltip);

    Image4 = new PictureBox(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->resize(48, 48);
    Image4->setCursor(Qt::PointingHandCursor);
    Image4->setToolTip(texts::reprintTooltip);

    Label2 = new TextLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->resize(425, 145);
    Label2->setFont(labelFont(QStringLiteral(u"宋体"), 120, true));
    Label2->setStyleSheet(QStringLiteral("color: yellow"));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setGbkText("**");

    Label3 = new TextLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->resize(617, 20);
    Label3->setFont(labelFont(QStringLiteral("MS Sans Serif"), 16, true));
    Label3->setStyleSheet(QStringLiteral("color: rgb(255, 251, 240)"));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setCursor(Qt::PointingHandCursor);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer3.setObjectName(QStringLiteral("Timer3"));
    // The draw keeps its half second and second to the millisecond, not the coarse default.
    for (QTimer* timer : {&Timer1, &Timer2, &Timer3}) {
        timer->setTimerType(Qt::PreciseTimer);
    }
    Timer1.setInterval(40);
    Timer2.setInterval(500);
    Timer3.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(&Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    connect(Image2, &PictureBox::clicked, this, &TForm1::Image2Click);
    connect(Image4, &PictureBox::clicked, this, &TForm1::Image4Click);
    connect(Label1, &TextLabel::doubleClicked, this, &TForm1::Label1DblClick);
    connect(Label2, &TextLabel::doubleClicked, this, &TForm1::Label2DblClick);
    connect(Label3, &TextLabel::doubleClicked, this, &TForm1::Label3DblClick);
}

void TForm1::runStartUp() {
    try {
        Image1->setPicture(imaging::decodeJpegFile(services_.paths.at(backgroundPath)));

        applySettings(settings::ReadSettings(services_.paths.at(settings::settingsFilePath)));

        if (services_.dialogs.askYesNo(this, texts::noticeCaption, texts::startQuestion)) {
            draw::openNewEvent(Memo1, services_.paths.at(draw::poolFilePath));
        } else {
            draw::resumeEvent(Memo1, services_.paths.at(draw::remainderFilePath));
        }
        showStatus();
    } catch (const std::exception&) {
        services_.dialogs.showNotice(nullptr, texts::noticeCaption, texts::startFailure);
        endRequested_ = true;
    }
}

void TForm1::attachTicket(ticket::TicketPrinting& printing, TForm3& drawnLog) {
    printing_ = &printing;
    drawnLog_ = &drawnLog;
}

void TForm1::showStatus() {
    Label3->setText(texts::statusLine(Memo1.eventTotal() - Memo1.count(), Memo1.count()));
}

ticket::TicketTexts TForm1::ticketTexts() const {
    return {Label1->gbkText(), Label2->gbkText(), settings_.line(2), settings_.line(3),
            settings_.paperWidth()};
}

bool TForm1::tryShowPicture(PictureBox* box, const char* path) const {
    try {
        box->setPicture(imaging::decodePngFile(services_.paths.at(path)));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored from the task bar gets a show event from the window system too; the show
    // step belongs to the program's own showing of the window only.
    if (event->spontaneous()) {
        return;
    }
    try {
        showStep();
    } catch (const std::exception& failure) {
        services_.dialogs.showError(texts::applicationTitle,
                                    failureText(common::withFullStop(failure.what())));
    }
}

void TForm1::showStep() {
    Image2->setPicture(imaging::decodePngFile(services_.paths.at(startPicturePath)));
    Image4->setPicture(imaging::decodePngFile(services_.paths.at(reprintPicturePath)));
    layOut();
    services_.shell.makeDesktopShortcut();
}

void TForm1::layOut() {
    const QSize outer = frameGeometry().size();
    const mainwindow::MainLayout layout =
        mainwindow::computeMainLayout(outer.width(), outer.height());
    Image1->setGeometry(rect());
    Label1->move(layout.title.left, layout.title.top);
    Label2->move(layout.number.left, layout.number.top);
    Label3->move(layout.status.left, layout.status.top);
    Image2->move(layout.start.left, layout.start.top);
    Image4->move(layout.reprint.left, layout.reprint.top);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
    const QSize frame = frameGeometry().size() - size();
    if (frameGeometry().height() < mainwindow::minimumOuterSize) {
        resize(width(), mainwindow::minimumOuterSize - frame.height());
    }
    if (frameGeometry().width() < mainwindow::minimumOuterSize) {
        resize(mainwindow::minimumOuterSize - frame.width(), height());
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!endRequested_) {
        services_.shell.openMakerWebPage();
    }
    event->accept();
}

void TForm1::Image2Click() {
    if (Timer1.isActive()) {
        return;
    }
    if (common::trimBlanks(Memo1.head()).empty()) {
        Label2->setGbkText(texts::finishedGbk);
        return;
    }
    Timer1.start();
    Timer2.start();
    Image2->setEnabled(false);
}

void TForm1::Timer1Timer() {
    Label2->setGbkText(Memo1.entryAt(Memo1.randomIndex(Memo1.count())));
}

void TForm1::Timer2Timer() {
    Timer1.stop();
    Label2->setGbkText(Memo1.head());
    if (settings_.announces()) {
        services_.speech.say(speech::announcementText(Memo1.head()));
    }
    Memo1.removeHead();
    try {
        draw::writeQueueFile(Memo1, services_.paths.at(draw::remainderFilePath));
    } catch (const std::exception&) {
        // The draw stands; a later resume starts from what the file still holds.
    }
    showStatus();
    tryShowPicture(Image2, drawnPicturePath);
    Timer3.start();
    Timer2.stop();
}

void TForm1::Timer3Timer() {
    tryShowPicture(Image2, reprintPicturePath);
    Timer3.stop();
    try {
        tryShowPicture(Image2, startPicturePath);
        if (printing_) {
            printing_->printTicket(ticketTexts());
            Image2->setEnabled(true);
        }
    } catch (const std::exception&) {
        // No ticket: the start picture stays disabled for the rest of this run.
    }
}

void TForm1::Image4Click() {
    if (!services_.dialogs.askYesNo(this, texts::noticeCaption, texts::reprintQuestion)) {
        return;
    }
    if (Timer1.isActive() || !printing_) {
        return;
    }
    try {
        printing_->reprint(ticketTexts());
    } catch (const std::exception&) {
        // A reprint that fails ends silently.
    }
}

void TForm1::attachSettingsWindow(TForm4& settingsWindow) {
    settingsWindow_ = &settingsWindow;
}

bool TForm1::event(QEvent* event) {
    if (event->type() == static_cast<QEvent::Type>(texts::maskPasswordMessage)) {
        WMMaskPassword();
        return true;
    }
    return QWidget::event(event);
}

void TForm1::WMMaskPassword() {
    // The form that holds the focus now is the prompt, whose modal loop delivered this message.
    QWidget* form = QApplication::activeModalWidget();
    if (!form) {
        form = QApplication::activeWindow();
    }
    if (!form) {
        return;
    }
    if (auto* edit = form->findChild<QLineEdit*>()) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
}

void TForm1::Label1DblClick() {
    QCoreApplication::postEvent(this,
                                new QEvent(static_cast<QEvent::Type>(texts::maskPasswordMessage)));
    if (services_.dialogs.askPassword(this) != texts::accessPassword || !settingsWindow_) {
        return;
    }
    try {
        settingsWindow_->setPrintFields(settings_);
        settingsWindow_->exec();
        if (const auto& saved = settingsWindow_->savedSettings()) {
            applySettings(*saved);
        }
    } catch (const std::exception&) {
        // Dropped without a message.
    }
}

void TForm1::applySettings(const settings::Settings& settings) {
    settings_ = settings;
    Label1->setGbkText(settings_.line(1));
}

void TForm1::Label2DblClick() {
    try {
        draw::writeQueueFile(Memo1, services_.paths.exportFile);
    } catch (const std::exception&) {
        // Nothing is shown when the export cannot be written.
    }
}

void TForm1::Label3DblClick() {
    if (drawnLog_) {
        drawnLog_->showLog();
    }
}
