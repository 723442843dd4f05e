// A scene with elements of every kind, and small helpers that drive a property
// dialog the way a user does, for the tests of the field, connector and track
// dialogs and of Parameter adjust.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>
#include <functional>
#include <memory>
#include <numbers>
#include <string>

#include "editor/element_dialogs.h"
#include "editor/element_property_dialogs.h"
#include "editor/record_dialog.h"
#include "scene/element_kinds.h"
#include "support/scripted_prompts.h"

namespace mb::test {

constexpr double kPi = std::numbers::pi;

// A valid record of each kind; element j of a kind adds j to its first value.
inline RecordValues ValidRecord(ElementKind kind, int j) {
    RecordValues v{};
    switch (kind) {
        case ElementKind::PointCharge: v = {1, 2, 1e-6}; break;
        case ElementKind::ElectricField: v = {-1, -2, 3, 4, kPi / 2, 100}; break;
        case ElementKind::MagneticField: v = {-1, -2, 3, 4, -1, 0.5}; break;
        case ElementKind::GravityMass: v = {1, 2, 5e10}; break;
        case ElementKind::Damping: v = {-1, -2, 3, 4, 0.3, 1, 2}; break;
        case ElementKind::HangingSpring: v = {0, 5, 2, 50, 1, 1}; break;
        case ElementKind::LinkSpring: v = {0, 2, 2, 50, 0}; break;
        case ElementKind::HangingCord: v = {0, 5, 4, 100000, 1, 1}; break;
        case ElementKind::LinkCord: v = {0, 2, 1, 100000, 1}; break;
        case ElementKind::HangingPole: v = {1, 5, 4, 100000, 0, 2}; break;
        case ElementKind::LinkPole: v = {1, 2, 1, 100000, 0}; break;
        case ElementKind::CircularTrack: v = {1, 2, -kPi / 2, kPi, 3}; break;
        case ElementKind::StraightTrack: {
            const StraightTrack t = MakeStraightTrack(-3, -1, 4, 2);
            std::memcpy(v.data(), &t, sizeof t);
            v[9] = 7;
            v[10] = 8;
            break;
        }
        default: break;
    }
    v[0] += j;
    return v;
}

// The name element j of a kind gets: the kind's prefix, "n" and j.
inline std::string TestName(ElementKind kind, int j) { return KindInfoOf(kind).prefix + ("n" + std::to_string(j)); }

inline std::unique_ptr<Scene> SceneWithEveryKind(int balls, int perKind) {
    auto s = std::make_unique<Scene>();
    for (int i = 0; i < balls; ++i) AddBall(*s, {.x0 = 2.0 * i, .y0 = 1, .M0 = 1.0 + i}, TestName(ElementKind::Ball, i));
    for (ElementKind kind : kTableKinds) {
        if (kind == ElementKind::Ball || !IsNamedKind(kind)) continue;
        for (int j = 0; j < perKind; ++j) {
            WriteRecordValues(*s, kind, j, ValidRecord(kind, j));
            ElementName(*s, kind, j) = TestName(kind, j);
        }
    }
    return s;
}

template <class W>
W* Child(QWidget& parent, const QString& name) {
    W* w = parent.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// Types into an edit, or picks the given position of a ball list.
inline void Type(QDialog& d, const QString& name, const QString& text) {
    if (name.startsWith("ComboBox")) Child<QComboBox>(d, name)->setCurrentIndex(text.toInt());
    else Child<QLineEdit>(d, name)->setText(text);
}

// Clicks a push or radio button by its object name.
inline void Click(QDialog& d, const QString& name) {
    QAbstractButton* b = Child<QAbstractButton>(d, name);
    if (b) QTest::mouseClick(b, Qt::LeftButton);
}

// Clicks the push button with this text ("&Ok", "&Cancel", "&Delete").
inline void ClickText(QDialog& d, const QString& text) {
    for (QPushButton* b : d.findChildren<QPushButton*>())
        if (b->text() == text) return QTest::mouseClick(b, Qt::LeftButton);
    ADD_FAILURE() << "no button " << text.toStdString();
}

inline QString FocusName(QDialog& d) { return d.focusWidget() ? d.focusWidget()->objectName() : QString(); }

// Every field, connector and track dialog, over one scene, answering through a
// scripted Prompts.
struct DialogBench {
    ScriptedPrompts prompts;
    QWidget parent;
    ElementDialogs dialogs;
    std::unique_ptr<Scene> scene;

    explicit DialogBench(std::unique_ptr<Scene> s = std::make_unique<Scene>()) : scene(std::move(s)) {
        AddFieldConnectorTrackDialogs(dialogs, prompts, &parent);
    }

    // Opens the element's dialog and lets `act` work on it; a dialog still open
    // afterwards is closed with its window's close box.
    DialogOutcome open(ElementKind kind, int index, bool isNew, const std::function<void(QDialog&)>& act) {
        prompts.dialogs.push_back([act](QDialog& d) {
            d.show();
            act(d);
            if (d.isVisible()) d.reject();
            return d.result();
        });
        return dialogs.open(kind, *scene, index, isNew);
    }
};

}  // namespace mb::test
