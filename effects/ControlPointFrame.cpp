#include "effects/ControlPointFrame.h"

#include <cstdint>

#include "aaf/import/TimelineBuilder.h"
#include "records/FloatToInt.h"

namespace {

int AddFrames(int a, int b) { return FloatToInt(static_cast<double>(static_cast<std::int64_t>(a) + b)); }

}  // namespace

int ControlPointFrame(const TrimValues& item, int numerator, int denominator)
{
    if (numerator == 1 && denominator == 1)
        return AddFrames(item.out, -1);
    // A time without a denominator is no fraction of the effect: it is taken as its start.
    const auto t = denominator == 0 ? 0.0f : static_cast<float>(static_cast<double>(numerator) / denominator);
    const float span = static_cast<float>(static_cast<std::int64_t>(item.out) - item.in);
    return AddFrames(item.in, FloatToInt(t * span));
}

int CurrentItemFrame(std::pair<int, int>& time, int mode)
{
    const auto& items = GlobalTimelineBuilder.ItemStack;
    if (items.empty() || (mode != 1 && mode != 2))
        return -1;
    TrimValues trim;
    GetItemTrimValues(items.front(), trim);
    if (mode == 2)
        return ControlPointFrame(trim, time.first, time.second);
    time.first = AddFrames(time.first, trim.in);
    return time.first;
}

void CountPointsInFrames(const ComponentContext& effect, std::vector<ControlPointInfo>& points)
{
    for (ControlPointInfo& point : points)
        point.timeNumerator = FloatToInt(static_cast<double>(effect.OffsetInFrames(point.timeNumerator)));
    if (!effect.frames.Converts())
        return;
    std::vector<ControlPointInfo> kept;
    kept.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        if (i + 1 == points.size() || points[i + 1].timeNumerator != points[i].timeNumerator)
            kept.push_back(points[i]);
    points = std::move(kept);
}
