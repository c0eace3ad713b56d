#include "MainWindowFixture.h"

#include "common/Codepage.h"
#include "common/LineList.h"
#include "settings/SettingsWriter.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

namespace testsupport {

bool FakeDialogs::askYesNo(QWidget*, const QString& caption, const QString& text) {
    shown.push_back({"question", caption, text});
    if (whileAsking) {
        whileAsking();
    }
    return answer;
}

void FakeDialogs::showNotice(QWidget*, const QString& caption, const QString& text) {
    shown.push_back({"notice", caption, text});
}

void FakeDialogs::showError(const QString& caption, const QString& text) {
    shown.push_back({"error", caption, text});
}

void FakeDialogs::showMessage(const QString& text) {
    shown.push_back({"message", {}, text});
}

QString FakeDialogs::askPassword(QWidget*) {
    shown.push_back({"password", {}, {}});
    if (whileAsking) {
        whileAsking();
    }
    return password;
}

void FakePrintService::print(const report::Report& report) {
    if (fail) {
        throw std::runtime_error("printer out of order");
    }
    printed.push_back({report.label("QRLabel1").text, report.label("QRLabel2").text,
                       report.label("QRLabel3").text, report.label("QRLabel5").text,
                       report.page.width, QDateTime::currentMSecsSinceEpoch() - startedAt});
}

std::tm FixedClock::now() const {
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 14;
    time.tm_min = 7;
    time.tm_sec = 9;
    return time;
}

std::string gbk(const std::string& utf8) {
    return common::utf8ToGbk(utf8).value();
}

namespace {

void savePicture(const std::filesystem::path& path, QColor colour, int width, int height) {
    std::filesystem::create_directories(path.parent_path());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(QString::fromStdString(path.string()))) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

Workspace::Workspace() {
    savePicture(folder_ / "skin/blue/BG.jpg", QColor(10, 40, 120), 80, 60);
    savePicture(folder_ / "skin/blue/ks.png", QColor(0, 200, 0), 8, 8);
    savePicture(folder_ / "skin/blue/dy.png", QColor(0, 0, 200), 8, 8);
    savePicture(folder_ / "skin/blue/cs.png", QColor(200, 100, 0), 8, 8);
    writeSettings(gbk("岚舟垂钓园"), gbk("地址：湖畔路8号"), gbk("电话：0571-8888"), "58");
    writePool({"1", "2", "3"});
    std::filesystem::create_directories(folder_ / "skin");
}

void Workspace::writeSettings(const std::string& title, const std::string& remark1,
                              const std::string& remark2, const std::string& paperWidth,
                              const std::optional<std::string>& announcement) {
    std::filesystem::create_directories(folder_ / "mydb");
    // Any lines, a broken paper width too.
    std::vector<std::string> lines{title, remark1, remark2, paperWidth};
    if (announcement) {
        lines.push_back(*announcement);
    }
    writeBytes(folder_ / "mydb/cs.cd",
               settings::EncodeSettingsText(lines, settings::settingsPassphrase));
}

void Workspace::writeText(const std::string& relative, const std::string& bytes) {
    writeBytes(folder_ / relative, bytes);
}

void Workspace::writePool(const std::vector<std::string>& lines) {
    writeText("mydb/db.cd", common::formatLineList(lines));
}

void Workspace::remove(const std::string& relative) {
    std::filesystem::remove(folder_ / relative);
}

std::string Workspace::read(const std::string& relative) const {
    return readBytes(folder_ / relative);
}

QImage skinPicture(const std::filesystem::path& file) {
    return QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB32);
}

QImage shownPicture(const PictureBox* box) {
    return box->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

void click(const QObject& window, const char* buttonName) {
    QTest::mouseClick(named<QPushButton>(window, buttonName), Qt::LeftButton);
}

QString logText(const TForm3& log) {
    return named<QPlainTextEdit>(log, "Memo1")->toPlainText();
}

MainControls::MainControls(const TForm1& form)
    : background(named<PictureBox>(form, "Image1")), title(named<TextLabel>(form, "Label1")),
      start(named<PictureBox>(form, "Image2")), reprint(named<PictureBox>(form, "Image4")),
      number(named<TextLabel>(form, "Label2")), status(named<TextLabel>(form, "Label3")),
      flicker(named<QTimer>(form, "Timer1")), reveal(named<QTimer>(form, "Timer2")),
      print(named<QTimer>(form, "Timer3")) {}

bool MainControls::drawRunning() const {
    return flicker->isActive() || reveal->isActive() || print->isActive();
}

void Program::start(bool answer) {
    dialogs.answer = answer;
    form1 = std::make_unique<TForm1>(MainServices{dialogs, seeds, shell, speech, paths});
    form2 = std::make_unique<TForm2>();
    form3 = std::make_unique<TForm3>();
    form4 = std::make_unique<TForm4>(dialogs, speech, paths);
    printing = std::make_unique<ticket::TicketPrinting>(*form2, *form3, printer, clock);
    form1->attachTicket(*printing, *form3);
    form1->attachSettingsWindow(*form4);
    dialogs.answer = true;
}

void Program::drawOnce() {
    form1->Image2Click();
    waitForCycleEnd();
}

void Program::waitForCycleEnd() {
    const MainControls ui = controls();
    // Ten seconds at most; the callers check what the cycle has done by then.
    static_cast<void>(QTest::qWaitFor([&] { return !ui.drawRunning(); }, 10000));
}

QString Program::status() const {
    return controls().status->text();
}

std::string Program::number() const {
    return common::gbkToUtf8(controls().number->gbkText());
}

} // namespace testsupport
