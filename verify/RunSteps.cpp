#include "Verification.h"

#include "Procedure.h"

#include <algorithm>
#include <map>
#include <utility>

namespace ortavel::verify {

void Run::buildSteps()
{
    for (const Step &step : stepsOf(m_plan.procedure, m_plan.points, m_plan.upDown)) {
        RunStep run{step, -1, false};
        if (step.kind != StepKind::Preload) {
            Point point;
            point.planned = {step.percent, step.direction};
            point.series = step.series;
            // A zero reading is taken vented: 0 whatever the range starts at.
            point.nominal = step.kind == StepKind::Zero ? 0.0 : m_identity.range.nominal(step.percent);
            point.reference = point.nominal;
            std::vector<Point> &records = step.kind == StepKind::Zero ? m_zeros : m_points;
            run.record = static_cast<int>(records.size());
            records.push_back(point);
        }
        m_steps.push_back(run);
    }
}

bool Run::stepDone(int step) const
{
    const RunStep &s = m_steps.at(static_cast<std::size_t>(step));
    const Point *p = reading(step);
    return p == nullptr ? s.confirmed : p->taken;
}

int Run::currentStep() const
{
    int step = 0;
    while (step < static_cast<int>(m_steps.size()) && stepDone(step))
        ++step;
    return step;
}

const Point *Run::reading(int step) const
{
    const RunStep &s = m_steps.at(static_cast<std::size_t>(step));
    switch (s.step.kind) {
    case StepKind::Point:
        return &m_points.at(static_cast<std::size_t>(s.record));
    case StepKind::Zero:
        return &m_zeros.at(static_cast<std::size_t>(s.record));
    case StepKind::Preload:
        break;
    }
    return nullptr;
}

Point *Run::reading(int step)
{
    return const_cast<Point *>(std::as_const(*this).reading(step));
}

void Run::confirmPreload(int step)
{
    RunStep &s = m_steps.at(static_cast<std::size_t>(step));
    if (s.step.kind == StepKind::Preload)
        s.confirmed = true;
}

void Run::repeatStep(int step)
{
    Point *p = reading(step);
    if (p == nullptr) {
        m_steps.at(static_cast<std::size_t>(step)).confirmed = false;
        return;
    }
    if (p->taken && !p->skipped)
        p->discarded.push_back(p->samples);
    p->samples.clear();
    p->failedPoll = false;
    p->taken = false;
    p->skipped = false;
    p->takenEarly = false;
}

void Run::skipStep(int step)
{
    Point *p = reading(step);
    if (p == nullptr)
        return;
    p->samples.clear();
    p->failedPoll = false;
    p->takenEarly = false;
    p->skipped = true;
    p->taken = true;
}

std::optional<double> Run::zeroReading(int zero) const
{
    const Point &p = m_zeros.at(static_cast<std::size_t>(zero));
    if (p.skipped || p.failedPoll || p.samples.empty())
        return std::nullopt;
    double sum = 0;
    for (const double sample : p.samples)
        sum += sample;
    return sum / static_cast<double>(p.samples.size());
}

Characteristics Run::characteristics() const
{
    std::map<int, SeriesErrors> series;
    for (int i = 0; i < static_cast<int>(m_steps.size()); ++i) {
        const RunStep &s = m_steps[static_cast<std::size_t>(i)];
        if (s.step.kind == StepKind::Preload)
            continue;
        SeriesErrors &e = series[s.step.series];
        e.series = s.step.series;
        if (s.step.kind == StepKind::Zero) {
            (s.step.zeroBefore ? e.zeroBefore : e.zeroAfter) = zeroReading(s.record);
            continue;
        }
        const Figures f = figures(s.record);
        e.direction = s.step.direction;
        e.percents.push_back(s.step.percent);
        e.errors.push_back(isJudged(f.result) ? std::optional<double>(f.error) : std::nullopt);
    }
    std::vector<SeriesErrors> all;
    all.reserve(series.size());
    for (auto &[number, errors] : series)
        all.push_back(std::move(errors));
    return characteristicsOf(m_plan.procedure, all);
}

} // namespace ortavel::verify
