#include "MainWindowFixture.h"

#include "tests/support/HostCommand.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>

namespace {

using testsupport::click;
using testsupport::named;
using testsupport::Program;
using testsupport::Workspace;

// Puts a mount over the current workspace, with the workspace's files copied onto it; undone
// (lazily, since the workspace is the current folder) when the guard goes. The host mounts it, so
// a Windows test program under Wine meets the same full or read-only disk.
class WorkspaceMount {
public:
    enum class Kind { TinyTmpfs, ReadOnly };

    WorkspaceMount(Workspace& workspace, Kind kind) : path_(workspace.path("mydb").parent_path()) {
        const std::filesystem::path staging =
            path_.parent_path() / (path_.filename().string() + ".staging");
        std::filesystem::copy(path_, staging, std::filesystem::copy_options::recursive);
        const std::string at = "'" + testsupport::hostPath(path_) + "'";
        if (kind == Kind::TinyTmpfs) {
            mounted_ = host("mount -t tmpfs -o size=1m tmpfs " + at);
            for (const auto& entry : std::filesystem::directory_iterator(staging)) {
                if (mounted_) {
                    std::filesystem::copy(entry.path(), path_ / entry.path().filename(),
                                          std::filesystem::copy_options::recursive);
                }
            }
        } else {
            mounted_ = host("mount --bind " + at + " " + at + " && mount -o remount,bind,ro " + at);
        }
        std::filesystem::remove_all(staging);
    }
    ~WorkspaceMount() {
        if (mounted_) {
            host("umount -l '" + testsupport::hostPath(path_) + "'");
        }
    }
    bool mounted() const { return mounted_; }

    // Fills the mounted file system until nothing more fits.
    void fill() {
        std::ofstream filler(path_ / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size())) {
        }
    }

    // True when the host command succeeded.
    static bool host(const std::string& command) {
        return testsupport::hostCommandOutput("{ " + command +
                                              "; } >/dev/null 2>&1 && echo done") == "done\n";
    }

private:
    std::filesystem::path path_;
    bool mounted_ = false;
};

void expectEverythingFailsSafely(Workspace& workspace, WorkspaceMount::Kind kind) {
    if (!testsupport::hostCommandsAvailable()) {
        GTEST_SKIP() << "the full and read-only disks are mounted by the Linux host, which a "
                        "Windows machine without Wine does not have";
    }
    ASSERT_EQ(testsupport::hostCommandOutput("id -u"), "0\n")
        << "mounting a tmpfs or a read-only bind needs root (CI runs as root)";
    workspace.writeText("skin/temp.db", "2\r\n3\r\n");
    Program program(workspace);
    program.start(false);
    WorkspaceMount mount(workspace, kind);
    ASSERT_TRUE(mount.mounted());
    if (kind == WorkspaceMount::Kind::TinyTmpfs) {
        mount.fill();
    }
    const std::string settingsBefore = workspace.read("mydb/cs.cd");

    // A draw still completes; the remainder on disk stays the old one, whole.
    program.drawOnce();
    EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出1个，还剩下1个。"));
    EXPECT_EQ(program.printer.printed.size(), 1u);
    EXPECT_EQ(workspace.read("skin/temp.db"), "2\r\n3\r\n");

    // The generator and Save report their failures and change nothing.
    program.dialogs.password = QStringLiteral("580317");
    QTimer::singleShot(0, [&] {
        TForm4& form = *program.form4;
        named<QComboBox>(form, "ComboBox1")->setEditText(QStringLiteral("1"));
        named<QComboBox>(form, "ComboBox2")->setEditText(QStringLiteral("2000"));
        click(form, "Button3");
        named<QLineEdit>(form, "Edit1")->setText(QStringLiteral(u"新钓场"));
        click(form, "Button1");
        click(form, "Button2");
    });
    program.form1->Label1DblClick();
    QStringList messages;
    for (const auto& shown : program.dialogs.shown) {
        if (shown.kind == "message") {
            messages << shown.text;
        }
    }
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], QStringLiteral(u"生成出错，请查验！"));
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral(u"保存失败："))) << messages[1].toStdString();
    EXPECT_EQ(workspace.read("mydb/db.cd"), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(workspace.read("mydb/cs.cd"), settingsBefore);
    EXPECT_EQ(program.controls().title->text(), QStringLiteral(u"岚舟垂钓园"));
    EXPECT_FALSE(std::filesystem::exists(workspace.path("skin/temp.db.tmp")));
}

TEST(Faults, ADiskThatIsFullLosesNothing) {
    Workspace workspace;
    expectEverythingFailsSafely(workspace, WorkspaceMount::Kind::TinyTmpfs);
}

TEST(Faults, AReadOnlyWorkspaceLosesNothing) {
    Workspace workspace;
    expectEverythingFailsSafely(workspace, WorkspaceMount::Kind::ReadOnly);
}

} // namespace
