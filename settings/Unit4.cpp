#include "Unit4.h"

#include "common/Codepage.h"
#include "common/LineList.h"
#include "dialogs/Dialogs.h"
#include "dialogs/Screen.h"
#include "draw/ConsecutivePool.h"
#include "draw/EventFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString onlyDigits = QStringLiteral(u"对不起，只能输入数字,不带符号！");
const QString generated = QStringLiteral(u"条数据制作完毕,请自行保存！!");
const QString generateFailed = QStringLiteral(u"生成出错，请查验！");
const QString saved = QStringLiteral(u"保存成功！");
const QString notInCodePage = QStringLiteral(u"保存失败：内容中有无法保存的字符，请修改后再保存！");
const QString badPaperWidth =
    QStringLiteral(u"保存失败：小票纸的宽度须是10到300之间的数字（mm）！");
const QString noChineseVoice = QStringLiteral(u"没有找到中文语音，请在系统中安装中文语音。");

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(left, top, 75, 25);
    return b;
}

QLabel* label(QWidget* parent, const QString& caption, int left, int top) {
    auto* l = new QLabel(caption, parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}

QLineEdit* edit(QWidget* parent, const char* name, int left, int top, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(left, top, width, 21);
    return e;
}

QComboBox* numberBox(QWidget* parent, const char* name, int left, int top) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    for (int i = 1; i <= 500; ++i) {
        box->addItem(QString::number(i));
    }
    box->setGeometry(left, top, 97, 21);
    return box;
}

// Text typed by the operator as GBK; nothing when code page 936 cannot hold it.
std::optional<std::string> gbkOf(const QString& text) {
    return common::utf8ToGbk(text.toStdString());
}

} // namespace

TForm4::TForm4(Dialogs& dialogs, speech::Speech& speech, draw::ProgramPaths paths, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      dialogs_(dialogs), speech_(speech), paths_(std::move(paths)) {
    setWindowTitle(QStringLiteral(u"设置"));
    setFixedSize(621, 366);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 621, 366 - 54);
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, 366 - 54, 621, 54);
    Button1 = button(Panel2, "Button1", QStringLiteral(u"保存"), 208, 8);
    Button2 = button(Panel2, "Button2", QStringLiteral(u"取消"), 344, 8);

    createPrintPage();
    createDataPage();
    PageControl1->setCurrentWidget(TabSheet2);

    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm4::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm4::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm4::Button6Click);
}

void TForm4::createPrintPage() {
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral(u"打印信息"));
    label(TabSheet1, QStringLiteral(u"垂钓园（标题）名称（6字以内-含6字）：  "), 24, 40);
    label(TabSheet1, QStringLiteral(u"小票备注信息1（11字以内，如地址）："), 24, 72);
    label(TabSheet1, QStringLiteral(u"小票备注信息2（如：电话）："), 24, 104);
    label(TabSheet1, QStringLiteral(u"小票纸的宽度数字（mm）："), 27, 137);
    Edit1 = edit(TabSheet1, "Edit1", 260, 35, 326);
    Edit2 = edit(TabSheet1, "Edit2", 260, 64, 326);
    Edit3 = edit(TabSheet1, "Edit3", 261, 96, 326);
    Edit4 = edit(TabSheet1, "Edit4", 261, 134, 325);
    Edit4->installEventFilter(this);
    CheckBox1 = new QCheckBox(QStringLiteral(u"抽号后语音播报"), TabSheet1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->move(27, 172);
    CheckBox1->adjustSize();
    Button6 = button(TabSheet1, "Button6", QStringLiteral(u"试听"), 261, 168);
}

void TForm4::createDataPage() {
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet2, QStringLiteral(u"数据设置"));
    Panel1 = new QWidget(TabSheet2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 617, 41);
    Label6 = label(Panel1, QStringLiteral(u"起止号码： "), 8, 16);
    Label6->setObjectName(QStringLiteral("Label6"));
    ComboBox1 = numberBox(Panel1, "ComboBox1", 80, 8);
    ComboBox1->setCurrentIndex(0);
    ComboBox2 = numberBox(Panel1, "ComboBox2", 192, 8);
    ComboBox2->setCurrentIndex(-1);
    ComboBox2->setEditText(QStringLiteral("50"));
    Button3 = button(Panel1, "Button3", QStringLiteral(u"生  成"), 312, 8);
    Button4 = button(Panel1, "Button4", QStringLiteral(u"清  空"), 400, 8);
    Button5 = button(Panel1, "Button5", QStringLiteral(u"粘贴数据"), 488, 8);
    Memo3 = new QPlainTextEdit(TabSheet2);
    Memo3->setObjectName(QStringLiteral("Memo3"));
    Memo3->setGeometry(0, 41, 613, 366 - 54 - 41 - 30);
    Memo3->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TForm4::setPrintFields(const settings::Settings& settings) {
    QLineEdit* const fields[] = {Edit1, Edit2, Edit3, Edit4};
    for (int k = 1; k <= 4; ++k) {
        fields[k - 1]->setText(QString::fromStdString(common::gbkToUtf8(settings.line(k))));
    }
    CheckBox1->setChecked(settings.announces());
    saved_.reset();
}

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnPrimaryScreen(*this);
    FormShow();
}

void TForm4::FormShow() {
    try {
        const std::string text =
            common::joinLines(common::readLineListFile(paths_.at(draw::poolFilePath)));
        Memo3->setPlainText(QString::fromStdString(common::gbkToUtf8(text)));
    } catch (const std::exception&) {
        // The editor keeps what it had.
    }
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit4 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && !Edit4KeyPress(text.front())) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TForm4::Edit4KeyPress(QChar key) {
    if (key == QChar(8) || (key >= QChar('0') && key <= QChar('9'))) {
        return true;
    }
    dialogs_.showMessage(onlyDigits);
    return false;
}

void TForm4::Button3Click() {
    Memo3->clear();
    const auto first = gbkOf(ComboBox1->currentText());
    const auto last = gbkOf(ComboBox2->currentText());
    const auto pool = first && last ? draw::consecutivePool(*first, *last) : std::nullopt;
    if (!pool) {
        dialogs_.showMessage(generateFailed);
        return;
    }
    Memo3->setPlainText(QString::fromStdString(common::joinLines(*pool)));
    try {
        common::writeLineListFile(paths_.at(draw::poolFilePath), *pool);
    } catch (const std::exception&) {
        dialogs_.showMessage(generateFailed);
        return;
    }
    dialogs_.showMessage(QString::number(pool->size()) + generated);
}

void TForm4::Button4Click() {
    Memo3->clear();
}

void TForm4::Button5Click() {
    Memo3->paste();
}

void TForm4::Button2Click() {
    reject();
}

void TForm4::Button6Click() {
    if (!speech_.hasChineseVoice()) {
        dialogs_.showMessage(noChineseVoice);
        return;
    }
    speech_.say(speech::announcementText("12"));
}

void TForm4::Button1Click() {
    std::vector<std::string> lines;
    for (const QLineEdit* field : {Edit1, Edit2, Edit3, Edit4}) {
        const auto text = gbkOf(field->text());
        if (!text || text->find('\0') != std::string::npos) {
            dialogs_.showMessage(notInCodePage);
            return;
        }
        lines.push_back(*text);
    }
    const auto pool = gbkOf(Memo3->toPlainText());
    if (!pool || pool->find('\0') != std::string::npos) {
        dialogs_.showMessage(notInCodePage);
        return;
    }
    if (!settings::isAcceptedPaperWidthLine(lines[3])) {
        dialogs_.showMessage(badPaperWidth);
        return;
    }
    lines.push_back(CheckBox1->isChecked() ? "1" : "0");
    const settings::Settings settings(std::move(lines));
    try {
        settings::WriteSettings(settings, paths_.at(settings::settingsFilePath));
        common::writeLineListFile(paths_.at(draw::poolFilePath), common::parseLineList(*pool));
    } catch (const std::exception& failure) {
        dialogs_.showMessage(QStringLiteral(u"保存失败：") + failureText(failure.what()));
        return;
    }
    saved_ = settings;
    dialogs_.showMessage(saved);
    accept();
}
