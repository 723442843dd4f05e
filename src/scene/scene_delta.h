// What one edit changed in the experiment, and nothing more: the records of the
// affected tables with their names (every one a compaction moved included), the
// name counters, the settings, the view scale, the curve settings and the data
// ball. A delta taken between the scene before and after an edit takes it back
// and does it again. Ball pictures are not kept: whoever applies a delta derives
// them again from the ball's values.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "scene/element_kinds.h"
#include "scene/scene.h"

namespace mb {

// A ball's values without its two pixel lists.
inline constexpr std::size_t kBallValueBytes = offsetof(Ball, backdrop);
using BallValues = std::array<unsigned char, kBallValueBytes>;

// One record that the edit changed.
struct RecordChange {
    ElementKind kind = ElementKind::None;
    int index = 0;
    using Kept = std::variant<std::vector<double>, BallValues, Remark>;
    Kept before, after;
    std::string beforeName, afterName;
    bool beforeInUse = false, afterInUse = false;
};

// What the whole scene holds beside its tables and an edit can change.
struct SceneWideValues {
    ExperimentSettings settings;
    ViewScale view;
    CurveSettings curve;
    std::int32_t SelectedBall = -1;
    std::array<std::int32_t, kTableKindCount> nameCounters{};  // in kTableKinds order
    friend bool operator==(const SceneWideValues&, const SceneWideValues&) = default;
};

// What the step changed, from the scene's side, for its name in the history.
enum class DeltaSubject { Nothing, Placed, Deleted, Changed, Settings, View, Curve, DataBall };
struct DeltaSummary {
    DeltaSubject subject = DeltaSubject::Nothing;
    ElementKind kind = ElementKind::None;
    std::string name;  // the element's; empty for remarks
};

class SceneDelta {
public:
    // The difference between a scene and what an edit made of it. Values the
    // program derives as it draws and runs (ball screen places and pictures,
    // remark text sizes, the lengths a run takes for cords and poles) do not
    // count as changes.
    static SceneDelta Between(const Scene& before, const Scene& after);

    bool empty() const { return records_.empty() && !wide_; }
    void undo(Scene& scene) const { apply(scene, false); }
    void redo(Scene& scene) const { apply(scene, true); }
    // The memory the delta holds, roughly.
    std::size_t bytes() const;
    DeltaSummary summary() const;
    const std::vector<RecordChange>& records() const { return records_; }
    // The scale or origin changed: every ball's picture follows it.
    bool viewChanged() const { return wide_ && !(wide_->first.view == wide_->second.view); }

private:
    void apply(Scene& scene, bool forward) const;

    std::vector<RecordChange> records_;
    std::optional<std::pair<SceneWideValues, SceneWideValues>> wide_;  // before, after
};

// The text of the step a delta makes: "Place Ball_3", "Delete remark",
// "Experiment settings"; `verb` ("Move", "Zoom") names a change in place.
std::string StepText(const DeltaSummary& summary, const std::string& verb);

}  // namespace mb
