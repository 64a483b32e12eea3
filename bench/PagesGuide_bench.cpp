// Time to read a 500-row guide day page and the audience feed (target: under 1 ms each).
#include "core/Audience.h"
#include "core/PagesGuide.h"
#include "core/TexteHtml.h"

#include <QByteArray>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

QByteArray pageGuide(int lignes)
{
    QByteArray t = "<html><body><select name=\"nb_jour\">";
    for (int n = -1; n <= 6; ++n)
        t += "<option value=\"" + QByteArray::number(n) + "\">" + QByteArray::number(12 + n) + "/03/2006</option>";
    t += "</select><table>\n";
    for (int i = 0; i < lignes; ++i) {
        const int minutes = (6 * 60 + i * 3) % (24 * 60);
        const QByteArray heure = QByteArray::number(minutes / 60).rightJustified(2, '0') + ":" +
                                 QByteArray::number(minutes % 60).rightJustified(2, '0');
        t += "<tr><td width=\"40\"><b>" + heure + "</b></td>";
        if (i % 7 == 3)
            t += "<td>Programme sans lien num&eacute;ro " + QByteArray::number(i) + "</td></tr>\n";
        else
            t += "<td><a href=\"javascript:popup_emission('" + QByteArray::number(40000 + i) +
                 "')\">S&eacute;rie <i>polici&egrave;re</i><br>&Eacute;pisode " + QByteArray::number(i) +
                 " &amp; suite</a></td></tr>\n";
    }
    return t + "</table></body></html>";
}

QByteArray fluxAudience()
{
    QByteArray t = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<audience>\n";
    for (int k = 1; k <= 20; ++k)
        t += "<channel rank=\"" + QByteArray::number(k) + "\"><name>Cha\xC3\xAEne num\xC3\xA9ro " +
             QByteArray::number(k) + "</name><market_share>" + QByteArray::number(30 - k) +
             ".5</market_share><epg_title>Questions &amp; r&eacute;ponses, un titre assez long pour \xC3\xAAtre coup\xC3\xA9</epg_title></channel>\n";
    return t + "</audience>\n";
}

double mesurer(const std::function<int()>& lire, int tours)
{
    volatile int total = 0;
    const auto debut = std::chrono::steady_clock::now();
    for (int i = 0; i < tours; ++i)
        total = total + lire();
    const auto fin = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(fin - debut).count() / tours;
}

}  // namespace

int main()
{
    const QByteArray page = pageGuide(500);
    const QByteArray flux = fluxAudience();
    const int tours = 500;
    auto lirePage = [&] {
        const QString texte = DecoderPage(page);
        return static_cast<int>(LirePageGuide(texte).size()) + (LireDateDernierJour(texte) ? 1 : 0);
    };
    auto lireFlux = [&] {
        const auto e = LireAudience(DecoderPage(flux));
        return e ? static_cast<int>(MettreEnForme(*e).libelles.size()) : 0;
    };
    if (lirePage() != 501 || lireFlux() == 0) {
        std::printf("the benchmark's inputs do not read as expected\n");
        return 1;
    }
    mesurer(lirePage, 10);  // warm-up
    std::printf("Guide day page, 500 rows, %lld bytes: %.3f ms per read (target < 1 ms)\n",
                static_cast<long long>(page.size()), mesurer(lirePage, tours));
    std::printf("Audience feed, %lld bytes: %.3f ms per read (target < 1 ms)\n", static_cast<long long>(flux.size()),
                mesurer(lireFlux, tours));
    return 0;
}
