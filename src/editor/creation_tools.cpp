#include "editor/creation_tools.h"

#include <QAction>
#include <QMenu>
#include <cstring>

#include "ui/translate.h"

namespace mb {

namespace {

const char* const kApproximatePlace = MB_TRANSLATE_NOOP("TForm1", "Please choose the approximate place by the mouse.");
const char* const kFieldArea = MB_TRANSLATE_NOOP("TForm1", "Please choose the approximate field area by the mouse.");
const char* const kHangPrompt = MB_TRANSLATE_NOOP("TForm1", "Please Choose the moving object which to be hung by mouse.");
const char* const kLinkPrompt = MB_TRANSLATE_NOOP("TForm1", "Choose one of the moving object which to be linked.");

const char* const kHangSpring = MB_TRANSLATE_NOOP("TForm1", "Please choose the approximately place to hang the spring by the mouse.");
const char* const kHangCord = MB_TRANSLATE_NOOP("TForm1", "Please choose the approximately place to hang the cord by the mouse.");
const char* const kHangPole = MB_TRANSLATE_NOOP("TForm1", "Please choose the approximately place to hang the pole by the mouse.");
const char* const kLinkOther = MB_TRANSLATE_NOOP("TForm1", "Choose the another object which to be linked.");
const char* const kStartOfTrack = MB_TRANSLATE_NOOP("TForm1", "Please choose the start of the track by the mouse.");
const char* const kBallPlace = MB_TRANSLATE_NOOP("TForm1", "Please choose the initial approximate palce by the mouse.");

const RubberBand kNoBand{};
const RubberBand kConnectorBand{FeedbackShape::Line, QColor(180, 180, 180), Qt::DotLine, 1};
RubberBand RegionBand(QColor colour) {
    return {FeedbackShape::Rectangle, colour, Qt::DotLine, 1};
}

using P = Placement;
using K = ElementKind;

// In the panel's order; the menu takes its own order below, and the data ball
// pick, chosen from the data window, comes last.
const CreationTool kTools[] = {
    {K::None, P::Selection, 0, "", "", "", nullptr, "SpeedButton16", 4, true, nullptr, nullptr, kNoBand},
    {K::Ball, P::AtPoint, 1, "N12", MB_TRANSLATE_NOOP("TForm1", "&Moving object"), "", kBallPlace, "SpeedButton1", 32, true, kBallPlace, nullptr,
     kNoBand},
    {K::PointCharge, P::AtPoint, 1, "N21", MB_TRANSLATE_NOOP("TForm1", "&Dot electric field"), "N13", kApproximatePlace, "SpeedButton2", 99, true,
     kApproximatePlace, nullptr, kNoBand},
    {K::GravityMass, P::AtPoint, 1, "N15", MB_TRANSLATE_NOOP("TForm1", "Universal &gravitation mass"), "", kApproximatePlace, "SpeedButton6", 166,
     true, kApproximatePlace, nullptr, kNoBand},
    {K::ElectricField, P::Rectangle, 2, "N22", MB_TRANSLATE_NOOP("TForm1", "&Uniformity electric field"), "N13", kFieldArea, "SpeedButton3", 233,
     true, kFieldArea, nullptr, RegionBand(QColor(160, 160, 255))},
    {K::MagneticField, P::Rectangle, 2, "N14", MB_TRANSLATE_NOOP("TForm1", "&Uniformity magnetic field"), "", kFieldArea, "SpeedButton5", 300, true,
     kFieldArea, nullptr, RegionBand(QColor(180, 255, 160))},
    {K::Damping, P::Rectangle, 2, "N16", MB_TRANSLATE_NOOP("TForm1", "&Damp field"), "", MB_TRANSLATE_NOOP("TForm1", "Please choose the damp's field area by the mouse."),
     "SpeedButton7", 367, true, kFieldArea, nullptr, RegionBand(QColor(220, 220, 200))},
    {K::HangingSpring, P::Hanging, 2, "N24", MB_TRANSLATE_NOOP("TForm1", "&Pensile one moving object"), "N19",
     MB_TRANSLATE_NOOP("TForm1", "Please choose the moving object which to be hung by the mouse."), "SpeedButton12", 434, true, kHangPrompt,
     kHangSpring, kConnectorBand},
    {K::LinkSpring, P::Link, 2, "N25", MB_TRANSLATE_NOOP("TForm1", "&Link two moving object"), "N19",
     MB_TRANSLATE_NOOP("TForm1", "Please choose one of the moving object which to be linked."), "SpeedButton13", 501, true, kLinkPrompt,
     MB_TRANSLATE_NOOP("TForm1", "Choose the another moving object which to be linked."), kConnectorBand},
    {K::HangingCord, P::Hanging, 2, "N18", MB_TRANSLATE_NOOP("TForm1", "&Pensile one moving object"), "N17", kHangPrompt, "SpeedButton8", 568, false,
     kHangPrompt, kHangCord, kConnectorBand},
    {K::LinkCord, P::Link, 2, "N36", MB_TRANSLATE_NOOP("TForm1", "&Link two moving object"), "N17", kLinkPrompt, "SpeedButton9", 635, false,
     kLinkPrompt, kLinkOther, kConnectorBand},
    {K::HangingPole, P::Hanging, 2, "N40", MB_TRANSLATE_NOOP("TForm1", "&Pensile one moving object"), "N38", kHangPrompt, "SpeedButton11", 702,
     false, kHangPrompt, kHangPole, kConnectorBand},
    {K::LinkPole, P::Link, 2, "N41", MB_TRANSLATE_NOOP("TForm1", "&Link two moving object"), "N38", kLinkPrompt, "SpeedButton10", 769, false,
     kLinkPrompt, kLinkOther, kConnectorBand},
    {K::StraightTrack,
     P::StraightTrack,
     2,
     "N26",
     MB_TRANSLATE_NOOP("TForm1", "&Rectilineal"),
     "N20",
     kStartOfTrack,
     "SpeedButton14",
     836,
     true,
     kStartOfTrack,
     MB_TRANSLATE_NOOP("TForm1", "Choose the end place of it by mouse."),
     {FeedbackShape::Line, QColor(250, 250, 150), Qt::DotLine, 2}},
    {K::CircularTrack,
     P::CircularTrack,
     2,
     "N27",
     MB_TRANSLATE_NOOP("TForm1", "&Circular"),
     "N20",
     MB_TRANSLATE_NOOP("TForm1", "Please choose the center of the circular track by the mouse."),
     "SpeedButton15",
     903,
     true,
     MB_TRANSLATE_NOOP("TForm1", "Please choose the center place of the circular track by the mouse."),
     nullptr,
     {FeedbackShape::Circle, QColor(250, 250, 150), Qt::DashLine, 2}},
    // The remark button sits below a separator line.
    {K::Remark, P::AtPoint, 1, "N58", MB_TRANSLATE_NOOP("TForm1", "&Remark"), "", nullptr, "SpeedButton17", 976, false,
     MB_TRANSLATE_NOOP("TForm1", "Please choose a place to show the remark."), nullptr, kNoBand},
    {K::DataBallPick, P::DataBall, 1, "", "", "", nullptr, "", 0, false, nullptr, nullptr, kNoBand},
};

const CreationTool& ToolByMenu(const char* name) {
    for (const CreationTool& t : kTools)
        if (std::strcmp(t.menuName, name) == 0) return t;
    return kTools[0];
}

}  // namespace

std::span<const CreationTool> CreationTools() {
    return kTools;
}

const CreationTool& ToolFor(ElementKind mode) {
    for (const CreationTool& t : kTools)
        if (t.mode == mode) return t;
    return kTools[0];
}

QMenu* BuildCreatMenu(QMenu* edit, std::function<void(const CreationTool&)> chosen) {
    QMenu* creat = edit->addMenu(Tr("TForm1", "&Creat"));
    creat->setObjectName("N9");
    creat->menuAction()->setObjectName("N9");
    auto entry = [&](QMenu* menu, const char* name) {
        const CreationTool& tool = ToolByMenu(name);
        QAction* a = menu->addAction(Tr("TForm1", tool.caption));
        a->setObjectName(name);
        QObject::connect(a, &QAction::triggered, menu, [chosen, &tool] { chosen(tool); });
    };
    auto submenu = [&](const char* name, const char* title, std::initializer_list<const char*> entries) {
        QMenu* sub = creat->addMenu(Tr("TForm1", title));
        sub->setObjectName(name);
        sub->menuAction()->setObjectName(name);
        for (const char* e : entries) entry(sub, e);
    };
    entry(creat, "N12");
    creat->addSeparator();
    submenu("N13", MB_TRANSLATE_NOOP("TForm1", "&Electric field"), {"N21", "N22"});
    entry(creat, "N14");
    entry(creat, "N15");
    entry(creat, "N16");
    submenu("N17", MB_TRANSLATE_NOOP("TForm1", "&Cord"), {"N18", "N36"});
    submenu("N38", MB_TRANSLATE_NOOP("TForm1", "&Pole"), {"N40", "N41"});
    submenu("N19", MB_TRANSLATE_NOOP("TForm1", "&Spring"), {"N24", "N25"});
    submenu("N20", MB_TRANSLATE_NOOP("TForm1", "&Track"), {"N26", "N27"});
    creat->addSeparator();
    entry(creat, "N58");
    return creat;
}

}  // namespace mb
