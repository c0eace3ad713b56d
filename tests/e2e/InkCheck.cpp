// What tools/windows-e2e sees of the Windows program, against the Linux program's own rendering:
//   ink_check window SHOT.png X,Y,W,H REFERENCE.png X,Y,W,H
//       the main window's title, number display and status line in two screenshots; X,Y is where
//       the window's client area starts in the screenshot and W,H the window's outer size, from
//       which the program's layout rule places the three boxes;
//   ink_check ticket PRINTED.png REFERENCE.png PAPER_WIDTH DOTS_PER_INCH
//       a printed ticket against the ticket ticket_render drew at the same resolution, label by
//       label in the boxes of the ticket laid out for that paper width (tenths of a millimetre).
// Prints one line per comparison; exit 0 when everything matches.
#include "mainwindow/MainLayout.h"
#include "tests/support/InkCompare.h"
#include "ticket/TicketLayout.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using testsupport::compareInk;

struct Shot {
    QImage image;
    QPoint client;
    mainwindow::MainLayout layout;
};

bool load(const char* file, QImage& image) {
    image = QImage(QString::fromLocal8Bit(file)).convertToFormat(QImage::Format_RGB32);
    return !image.isNull();
}

bool parseShot(const char* file, const char* geometry, Shot& shot) {
    int x = 0, y = 0, w = 0, h = 0;
    if (std::sscanf(geometry, "%d,%d,%d,%d", &x, &y, &w, &h) != 4 || !load(file, shot.image)) {
        return false;
    }
    shot.client = {x, y};
    shot.layout = mainwindow::computeMainLayout(w, h);
    return true;
}

bool report(const char* name, const testsupport::InkMatch& match) {
    std::printf("%s: %s: %s\n", name, match.describe().c_str(), match.same ? "same" : "DIFFERENT");
    return match.same;
}

// Two font engines set the same text a pixel or two apart and of other weight: the inks are
// aligned on their centres and counted as near within three pixels.
bool compareWindows(const Shot& shot, const Shot& reference) {
    // White title, yellow number, cream status line, all on the blue background.
    const auto light = [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 190; };
    const auto yellow = [](QRgb c) { return qRed(c) > 180 && qGreen(c) > 180 && qBlue(c) < 120; };
    const auto compareBox = [&](const char* name, auto at, QSize size,
                                const testsupport::IsInk& isInk) {
        const QRect mine(shot.client + QPoint(at(shot.layout).left, at(shot.layout).top), size);
        const QRect theirs(
            reference.client + QPoint(at(reference.layout).left, at(reference.layout).top), size);
        return report(name, compareInk(shot.image, mine, reference.image, theirs, isInk, true, 3));
    };
    bool same = compareBox(
        "title", [](auto& l) { return l.title; }, {633, 62}, light);
    same &= compareBox(
        "number", [](auto& l) { return l.number; }, {425, 145}, yellow);
    same &= compareBox(
        "status", [](auto& l) { return l.status; }, {617, 20}, light);
    return same;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc == 6 && std::strcmp(argv[1], "window") == 0) {
        Shot shot;
        Shot reference;
        if (parseShot(argv[2], argv[3], shot) && parseShot(argv[4], argv[5], reference)) {
            return compareWindows(shot, reference) ? 0 : 1;
        }
    } else if (argc == 6 && std::strcmp(argv[1], "ticket") == 0) {
        QImage printed;
        QImage reference;
        if (load(argv[2], printed) && load(argv[3], reference)) {
            report::Report ticket = ticket::makeTicketReport();
            ticket::fitToPaper(ticket, std::atoi(argv[4]), 96);
            const testsupport::TicketMatch match =
                testsupport::compareTicket(printed, reference, ticket, std::atof(argv[5]));
            const bool sized = printed.size() == reference.size();
            std::printf("paper: %dx%d against %dx%d pixels\n%s", printed.width(), printed.height(),
                        reference.width(), reference.height(), match.description.c_str());
            return sized && match.same ? 0 : 1;
        }
    }
    std::fprintf(stderr,
                 "usage: %s window SHOT.png X,Y,W,H REFERENCE.png X,Y,W,H\n"
                 "       %s ticket PRINTED.png REFERENCE.png PAPER_WIDTH DOTS_PER_INCH\n",
                 argv[0], argv[0]);
    return 2;
}
