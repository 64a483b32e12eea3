#include "shell/TransitionForme.h"

#include "platform/Twips.h"

std::vector<int> PhaseForme::largeurs() const
{
    std::vector<int> l;
    for (const QSize& t : tailles)
        l.push_back(t.width());
    return l;
}

bool TransitionForme::animee() const
{
    std::size_t n = 0;
    for (const PhaseForme& p : phases)
        n += p.tailles.size();
    return n > 1;
}

QSize TransitionForme::taille() const
{
    for (auto p = phases.rbegin(); p != phases.rend(); ++p)
        if (!p->tailles.empty())
            return p->tailles.back();
    return {};
}

QSize TransitionForme::taillePixels() const
{
    return versPixels(taille());
}

std::optional<QPoint> TransitionForme::position() const
{
    for (auto p = phases.rbegin(); p != phases.rend(); ++p)
        if (p->position)
            return p->position;
    return std::nullopt;
}
