#include "scene/scene_delta.h"

#include <cstring>
#include <type_traits>

#include "scene/translatable.h"

namespace mb {

namespace {

// How each record type is kept in a delta: field records whole, a ball without
// its pixel lists, a remark whole (its measured size is put back as it stands).
std::vector<double> Keep(const auto& r) {
    static_assert(kIsDoubleRecord<std::decay_t<decltype(r)>>);
    std::vector<double> v(sizeof r / sizeof(double));
    std::memcpy(v.data(), &r, sizeof r);
    return v;
}
BallValues Keep(const Ball& b) {
    BallValues v;
    std::memcpy(v.data(), &b, kBallValueBytes);
    return v;
}
Remark Keep(const Remark& r) { return r; }

template <class R>
void Restore(R& r, const RecordChange::Kept& kept) {
    std::memcpy(&r, std::get<std::vector<double>>(kept).data(), sizeof r);
}
void Restore(Ball& b, const RecordChange::Kept& kept) {
    std::memcpy(&b, std::get<BallValues>(kept).data(), kBallValueBytes);
}
void Restore(Remark& r, const RecordChange::Kept& kept) {
    const std::int32_t width = r.width, height = r.height;
    r = std::get<Remark>(kept);
    r.width = width;  // measured again when it is drawn
    r.height = height;
}

// Cords and poles take their length and stiffness from their balls at every
// run start; only what the user gave them counts.
bool LengthFromRun(ElementKind kind) {
    return kind == ElementKind::HangingCord || kind == ElementKind::HangingPole || kind == ElementKind::LinkCord ||
           kind == ElementKind::LinkPole;
}

template <class R>
bool Same(const R& a, const R& b, ElementKind) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
bool Same(const HangingConnector& a, const HangingConnector& b, ElementKind kind) {
    if (!LengthFromRun(kind)) return std::memcmp(&a, &b, sizeof a) == 0;
    return a.inUse() == b.inUse() && a.anchorX == b.anchorX && a.anchorY == b.anchorY && a.mode == b.mode &&
           a.ball == b.ball;
}
bool Same(const LinkConnector& a, const LinkConnector& b, ElementKind kind) {
    if (!LengthFromRun(kind)) return std::memcmp(&a, &b, sizeof a) == 0;
    return a.inUse() == b.inUse() && a.ball1 == b.ball1 && a.ball2 == b.ball2 && a.mode == b.mode;
}
// A ball by what the user gives it; its motion and screen values follow from those.
bool Same(const Ball& a, const Ball& b, ElementKind) {
    return a.x0 == b.x0 && a.y0 == b.y0 && a.vx0 == b.vx0 && a.vy0 == b.vy0 && a.M0 == b.M0 && a.Q == b.Q &&
           a.extraFx == b.extraFx && a.extraFy == b.extraFy && a.R == b.R && a.curveFlag == b.curveFlag &&
           a.red == b.red && a.green == b.green && a.blue == b.blue && a.trackFlag == b.trackFlag;
}
bool Same(const Remark& a, const Remark& b, ElementKind) {
    return a.x == b.x && a.y == b.y && a.charset == b.charset && a.fontColour == b.fontColour &&
           a.fontHeight == b.fontHeight && a.pitch == b.pitch && a.fontSize == b.fontSize && a.style == b.style &&
           a.text == b.text && a.fontName == b.fontName;
}

std::size_t KeptBytes(const RecordChange::Kept& k) {
    if (const auto* v = std::get_if<std::vector<double>>(&k)) return v->capacity() * sizeof(double);
    if (const auto* r = std::get_if<Remark>(&k)) return r->text.capacity() + r->fontName.capacity();
    return 0;  // a ball's values live in the change itself
}

SceneWideValues WideValues(const Scene& s) {
    SceneWideValues w{s.settings, s.view, s.curve, s.SelectedBall, {}};
    for (int k = 0; k < kTableKindCount; ++k)
        w.nameCounters[k] = VisitTable(s, kTableKinds[k], [](const auto& t) { return t.nameCounter; });
    return w;
}

void SetWideValues(Scene& s, const SceneWideValues& w) {
    s.settings = w.settings;
    s.view = w.view;
    s.curve = w.curve;
    s.SelectedBall = w.SelectedBall;
    for (int k = 0; k < kTableKindCount; ++k)
        VisitTable(s, kTableKinds[k], [&](auto& t) { t.nameCounter = w.nameCounters[k]; });
}

}  // namespace

SceneDelta SceneDelta::Between(const Scene& before, const Scene& after) {
    SceneDelta d;
    for (ElementKind kind : kTableKinds) {
        VisitTable(before, kind, [&](const auto& tb) {
            VisitTable(after, kind, [&](const auto& ta) {
                if constexpr (std::is_same_v<decltype(tb), decltype(ta)>) {
                    for (int i = 0; i < tb.kCapacity; ++i) {
                        if (Same(tb[i], ta[i], kind) && tb.names[i] == ta.names[i]) continue;
                        d.records_.push_back({kind, i, Keep(tb[i]), Keep(ta[i]), tb.names[i], ta.names[i],
                                              tb[i].inUse(), ta[i].inUse()});
                    }
                }
            });
        });
    }
    SceneWideValues wb = WideValues(before), wa = WideValues(after);
    if (!(wb == wa)) d.wide_.emplace(std::move(wb), std::move(wa));
    return d;
}

void SceneDelta::apply(Scene& scene, bool forward) const {
    for (const RecordChange& c : records_) {
        VisitTable(scene, c.kind, [&](auto& t) {
            Restore(t[c.index], forward ? c.after : c.before);
            t.names[c.index] = forward ? c.afterName : c.beforeName;
        });
    }
    if (wide_) SetWideValues(scene, forward ? wide_->second : wide_->first);
}

std::size_t SceneDelta::bytes() const {
    std::size_t n = sizeof *this + records_.capacity() * sizeof(RecordChange);
    for (const RecordChange& c : records_)
        n += KeptBytes(c.before) + KeptBytes(c.after) + c.beforeName.capacity() + c.afterName.capacity();
    if (wide_) n += sizeof *wide_ + wide_->first.curve.name.capacity() + wide_->second.curve.name.capacity();
    return n;
}

DeltaSummary SceneDelta::summary() const {
    // A kind with fewer elements in use lost one (a Delete and its compaction,
    // which may take connectors with it), one with more gained one; else the first
    // changed record was edited.
    for (int pass = 0; pass < 2; ++pass) {
        for (ElementKind kind : kTableKinds) {
            int gained = 0;
            const RecordChange* first = nullptr;
            const RecordChange* placed = nullptr;
            for (const RecordChange& c : records_) {
                if (c.kind != kind) continue;
                gained += int(c.afterInUse) - int(c.beforeInUse);
                if (!first) first = &c;
                if (!placed && !c.beforeInUse && c.afterInUse) placed = &c;
            }
            if (pass == 0 && first && gained < 0) return {DeltaSubject::Deleted, kind, first->beforeName};
            if (pass == 1 && placed && gained > 0) return {DeltaSubject::Placed, kind, placed->afterName};
        }
    }
    if (!records_.empty()) {
        const RecordChange& c = records_.front();
        return {DeltaSubject::Changed, c.kind, c.afterInUse ? c.afterName : c.beforeName};
    }
    if (!wide_) return {};
    const SceneWideValues& b = wide_->first;
    const SceneWideValues& a = wide_->second;
    if (!(b.view == a.view)) return {DeltaSubject::View, ElementKind::None, {}};
    if (!(b.settings == a.settings)) return {DeltaSubject::Settings, ElementKind::None, {}};
    if (!(b.curve == a.curve)) return {DeltaSubject::Curve, ElementKind::None, {}};
    return {DeltaSubject::DataBall, ElementKind::None, {}};
}

std::string StepText(const DeltaSummary& s, const std::string& verb) {
    // Remarks have no names: the step says what it did to "remark".
    const std::string what = s.kind == ElementKind::Remark ? std::string(MB_TRANSLATE_NOOP("TForm1", "remark")) : s.name;
    const auto named = [&](const char* v) { return what.empty() ? std::string(v) : std::string(v) + " " + what; };
    switch (s.subject) {
        case DeltaSubject::Nothing: return {};
        case DeltaSubject::Placed: return named(MB_TRANSLATE_NOOP("TForm1", "Place"));
        case DeltaSubject::Deleted: return named(MB_TRANSLATE_NOOP("TForm1", "Delete"));
        case DeltaSubject::Changed: return named(verb.empty() ? MB_TRANSLATE_NOOP("TForm1", "Edit") : verb.c_str());
        case DeltaSubject::Settings: return verb.empty() ? MB_TRANSLATE_NOOP("TForm1", "Experiment settings") : verb;
        case DeltaSubject::View: return verb.empty() ? MB_TRANSLATE_NOOP("TForm1", "Scale") : verb;
        case DeltaSubject::Curve: return verb.empty() ? MB_TRANSLATE_NOOP("TForm1", "Curve settings") : verb;
        case DeltaSubject::DataBall: return verb.empty() ? MB_TRANSLATE_NOOP("TForm1", "Data ball") : verb;
    }
    return {};
}

}  // namespace mb
