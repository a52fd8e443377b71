#include "tour.h"

#include <array>
#include <limits>

#include "state.h"

namespace building_tour {

namespace {

constexpr int kAxisX = 1;
constexpr int kAxisY = 2;
constexpr int kAxisZ = 3;

enum class Kind { nothing, add, turn, orbit };

struct Action {
    Kind kind = Kind::nothing;
    float* var = nullptr;  // the variable an add changes
    double amount = 0;     // added amount, or the rotation angle in radians
    int axis = 0;
};

constexpr Action add(float& var, double amount) { return {Kind::add, &var, amount, 0}; }
// The eye stays and the view swings.
constexpr Action turn(double angle, int axis) { return {Kind::turn, nullptr, angle, axis}; }
// The eye circles the point looked at.
constexpr Action orbit(double angle, int axis) { return {Kind::orbit, nullptr, angle, axis}; }

constexpr int kMaxActions = 5;

struct Stage {
    double upper;  // last counter value of the stage; the previous stage's upper is its lower bound
    std::array<Action, kMaxActions> actions;
};

constexpr Stage kStages[] = {
    {110, {orbit(-0.0075, kAxisY), add(y_pos, -0.04), add(x_pos, -0.48)}},
    {140, {add(z_dir, +0.1), add(x_dir, -3), orbit(0.01, kAxisY)}},
    {250, {add(z_dir, +0.05), add(x_dir, +0.5)}},
    {360, {add(x_dir, +0.25), add(x_pos, +0.6), add(y_pos, -0.1)}},
    {420, {orbit(0.01, kAxisY), add(x_dir, +0.25), add(x_pos, +0.6), add(y_pos, +0.1)}},
    {530, {add(x_dir, +0.7), add(x_pos, +0.6), add(y_pos, +0.1)}},
    {620, {orbit(0.027, kAxisY), add(y_dir, +0.1), add(y_pos, -0.1)}},
    {720, {add(x_dir, -0.7), add(x_pos, -0.6), add(y_dir, -0.12), add(y_pos, -0.08)}},
    {740, {add(z_pos, -0.3), orbit(0.027, kAxisY)}},
    {770, {orbit(0.03, kAxisY), add(z_dir, -0.2), add(x_dir, -0.7)}},
    {780, {add(z_dir, -0.1), add(z_pos, +0.1), add(x_dir, -1), add(y_dir, -0.1), add(y_pos, -0.1)}},
    {850, {orbit(0.03, kAxisZ), add(x_dir, -0.8), add(y_dir, -0.008)}},
    {870, {turn(0.05, kAxisY), add(x_dir, -0.8), add(y_dir, -0.008)}},
    {940, {add(y_dir, -0.1), add(x_dir, -0.5), add(x_pos, -0.6)}},
    {1000, {orbit(0.03, kAxisY), add(z_dir, +0.25), add(y_dir, -0.08)}},
    {1100, {add(z_pos, +0.1), add(x_pos, +1), add(x_dir, +0.9), add(z_dir, -0.2), add(y_dir, -0.08)}},
    {1120, {turn(0.026, kAxisY), add(z_pos, +0.05), add(x_pos, +0.55), add(y_dir, -0.5)}},
    {1140, {add(y_dir, +1), add(y_pos, -0.6)}},
    {1185, {add(angle_door, -2)}},
    {1242, {add(z_dir, -0.25), add(z_pos, -0.25)}},
    {1300, {add(angle_door, +1), add(z_dir, -0.2), add(z_pos, -0.2)}},
    {1332, {add(angle_door, +1), add(x_pos, +0.25), turn(-0.026, kAxisY)}},
    {1370, {add(x_pos, +0.25), turn(-0.026, kAxisY)}},
    {1425, {add(x_pos, +0.2), turn(0.026, kAxisY)}},
    {1470, {add(z_pos, -0.2), add(z_dir, -0.2)}},
    {1500, {add(y_pos, +0.2), add(y_dir, +0.4), turn(0.03, kAxisY), add(z_pos, -0.1), add(z_dir, -0.1)}},
    {1522, {add(x_pos, -0.01), add(x_dir, -0.01), turn(0.03, kAxisY)}},
    {1535, {add(x_pos, -0.2), add(x_dir, -0.2)}},
    {1562, {add(y_pos, +0.045), add(y_dir, +0.105), add(x_pos, -0.2), add(x_dir, -0.2)}},
    {1590, {add(y_pos, +0.045), add(y_dir, +0.105), add(x_pos, -0.2), add(x_dir, -0.2), turn(-0.03, kAxisY)}},
    {1615, {turn(-0.03, kAxisY)}},
    {1670, {add(y_pos, +0.045), add(y_dir, +0.105), add(z_pos, -0.2), add(z_dir, -0.2)}},
    {1680, {add(z_pos, -0.2), add(z_dir, -0.2)}},
    {1715, {add(z_pos, -0.2), add(z_dir, -0.2), turn(-0.03, kAxisY)}},
    {1733, {turn(-0.03, kAxisY)}},
    {1820, {add(x_pos, +0.2), add(x_dir, +0.2)}},
    {1872, {add(x_pos, +0.15), add(x_dir, +0.15), turn(-0.03, kAxisY)}},
    {2000, {add(z_pos, +0.15), add(z_dir, +0.15)}},
    {2050, {turn(0.03, kAxisY)}},
    {2150, {turn(-0.03, kAxisY)}},
    {2200, {turn(0.03, kAxisY)}},
    {2260, {add(z_pos, +0.2), add(z_dir, +0.2), turn(-0.025, kAxisY)}},
    {2400, {add(x_pos, -0.2), add(x_dir, -0.4)}},
    {2465, {add(x_pos, -0.15), add(x_dir, -0.2), turn(-0.025, kAxisY)}},
    {2540, {add(z_pos, -0.2), add(z_dir, -0.2)}},
    {2600, {add(z_pos, -0.035), add(z_dir, -0.035), turn(0.0261, kAxisY)}},
    {3010, {add(x_pos, -0.2), add(x_dir, -0.4)}},
    {3150, {turn(-0.025, kAxisZ)}},
    {3310, {add(x_pos, +0.2), add(x_dir, +0.2)}},
    {3372, {turn(-0.025, kAxisY)}},
    {3462, {}},  // a pause: the camera holds still
    {3492, {add(z_pos, +0.2), add(z_dir, +0.2)}},
    {3550, {add(z_pos, +0.2), add(z_dir, +0.2), turn(0.025, kAxisY)}},
    {3640, {add(z_pos, -0.01), add(x_pos, +0.2), add(x_dir, +0.2)}},
    {3840, {turn(0.025, kAxisX), turn(0.025, kAxisY)}},
};
static_assert(std::size(kStages) == 55, "the script has 55 stages");

constexpr bool bounds_rise() {
    for (std::size_t i = 1; i < std::size(kStages); ++i)
        if (kStages[i].upper <= kStages[i - 1].upper) return false;
    return true;
}
static_assert(bounds_rise(), "every stage starts where the one before it ends");
static_assert(kStages[std::size(kStages) - 1].upper + 1 == kTourLoopEnd,
              "the last run of the last stage ends the loop");

void perform(const Action& a) {
    switch (a.kind) {
        case Kind::nothing: break;
        // Widened to double for the sum, like a float plus a decimal literal.
        case Kind::add: *a.var = static_cast<float>(double{*a.var} + a.amount); break;
        case Kind::turn:
            rotaciona(x_pos, y_pos, z_pos, x_dir, y_dir, z_dir, static_cast<float>(a.amount), a.axis);
            break;
        case Kind::orbit:
            rotaciona(x_dir, y_dir, z_dir, x_pos, y_pos, z_pos, static_cast<float>(a.amount), a.axis);
            break;
    }
}

}  // namespace

void apresentacao() {
    // Each stage sees the counter as the stages before it left it, so the
    // step that ends one stage also runs the first step of the next.
    double lower = -std::numeric_limits<double>::infinity();
    for (const Stage& stage : kStages) {
        if (lower < cont && cont <= stage.upper) {
            for (const Action& a : stage.actions) perform(a);
            cont += 1;
        }
        lower = stage.upper;
    }
    if (cont == kTourLoopEnd) {
        reset_camera();
        cont = 0;
    }
}

void advance_tour(int steps) {
    if (!test) return;
    for (int i = 0; i < steps; ++i) apresentacao();
}

}  // namespace building_tour
