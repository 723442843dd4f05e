#include "editor/creation_tools.h"

#include <QAction>
#include <QMenu>
#include <cstring>

namespace mb {

namespace {

const char* const kApproximatePlace = "Please choose the approximate place by the mouse.";
const char* const kFieldArea = "Please choose the approximate field area by the mouse.";
const char* const kHangPrompt = "Please Choose the moving object which to be hung by mouse.";
const char* const kLinkPrompt = "Choose one of the moving object which to be linked.";

// In the panel's order; the menu takes its own order below.
const CreationTool kTools[] = {
    {"", "", "", 0, nullptr, "SpeedButton16", nullptr},
    {"N12", "&Moving object", "", 1, "Please choose the initial approximate palce by the mouse.", "SpeedButton1",
     "Please choose the initial approximate palce by the mouse."},
    {"N21", "&Dot electric field", "N13", 2, kApproximatePlace, "SpeedButton2", kApproximatePlace},
    {"N15", "Universal &gravitation mass", "", 6, kApproximatePlace, "SpeedButton6", kApproximatePlace},
    {"N22", "&Uniformity electric field", "N13", 3, kFieldArea, "SpeedButton3", kFieldArea},
    {"N14", "&Uniformity magnetic field", "", 5, kFieldArea, "SpeedButton5", kFieldArea},
    {"N16", "&Damp field", "", 7, "Please choose the damp's field area by the mouse.", "SpeedButton7", kFieldArea},
    {"N24", "&Pensile one moving object", "N19", 12,
     "Please choose the moving object which to be hung by the mouse.", "SpeedButton12", kHangPrompt},
    {"N25", "&Link two moving object", "N19", 13, "Please choose one of the moving object which to be linked.",
     "SpeedButton13", kLinkPrompt},
    {"N18", "&Pensile one moving object", "N17", 16, kHangPrompt, "SpeedButton8", kHangPrompt},
    {"N36", "&Link two moving object", "N17", 17, kLinkPrompt, "SpeedButton9", kLinkPrompt},
    {"N40", "&Pensile one moving object", "N38", 18, kHangPrompt, "SpeedButton11", kHangPrompt},
    {"N41", "&Link two moving object", "N38", 19, kLinkPrompt, "SpeedButton10", kLinkPrompt},
    {"N26", "&Rectilineal", "N20", 14, "Please choose the start of the track by the mouse.", "SpeedButton14",
     "Please choose the start of the track by the mouse."},
    {"N27", "&Circular", "N20", 15, "Please choose the center of the circular track by the mouse.",
     "SpeedButton15", "Please choose the center place of the circular track by the mouse."},
    {"N58", "&Remark", "", 62, nullptr, "SpeedButton17", "Please choose a place to show the remark."},
};

const CreationTool& ToolByMenu(const char* name) {
    for (const CreationTool& t : kTools)
        if (std::strcmp(t.menuName, name) == 0) return t;
    return kTools[0];
}

}  // namespace

std::span<const CreationTool> CreationTools() { return kTools; }

const CreationTool* FindToolByButton(const QString& panelButton) {
    for (const CreationTool& t : kTools)
        if (panelButton == QLatin1String(t.panelButton)) return &t;
    return nullptr;
}

QMenu* BuildCreatMenu(QMenu* edit, std::function<void(const CreationTool&)> chosen) {
    QMenu* creat = edit->addMenu("&Creat");
    creat->setObjectName("N9");
    creat->menuAction()->setObjectName("N9");
    auto entry = [&](QMenu* menu, const char* name) {
        const CreationTool& tool = ToolByMenu(name);
        QAction* a = menu->addAction(QString::fromUtf8(tool.caption));
        a->setObjectName(name);
        QObject::connect(a, &QAction::triggered, menu, [chosen, &tool] { chosen(tool); });
    };
    auto submenu = [&](const char* name, const char* title, std::initializer_list<const char*> entries) {
        QMenu* sub = creat->addMenu(title);
        sub->setObjectName(name);
        sub->menuAction()->setObjectName(name);
        for (const char* e : entries) entry(sub, e);
    };
    entry(creat, "N12");
    creat->addSeparator();
    submenu("N13", "&Electric field", {"N21", "N22"});
    entry(creat, "N14");
    entry(creat, "N15");
    entry(creat, "N16");
    submenu("N17", "&Cord", {"N18", "N36"});
    submenu("N38", "&Pole", {"N40", "N41"});
    submenu("N19", "&Spring", {"N24", "N25"});
    submenu("N20", "&Track", {"N26", "N27"});
    creat->addSeparator();
    entry(creat, "N58");
    return creat;
}

}  // namespace mb
