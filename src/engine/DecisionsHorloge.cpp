#include "engine/DecisionsHorloge.h"

#include "engine/ProgListe.h"

#include <QLocale>

#include <algorithm>
#include <cstdlib>

namespace {

QString deuxChiffres(qint64 n)
{
    return (QStringLiteral("00") + QString::number(n)).right(2);
}

QString dateHeure(const LigneProgramme& l)
{
    return QStringLiteral("le ") + l.date.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" à ")
           + l.debut.toString(QStringLiteral("HH:mm"));
}

double fraction(qint64 depuisDebut, qint64 duree)
{
    if (duree <= 0)
        return 1.0;
    return std::clamp(static_cast<double>(depuisDebut) / static_cast<double>(duree), 0.0, 1.0);
}

// Plans the next occurrence of the recurrent entry i (already marked "[X]"): the first one
// whose end is still to come and that overlaps no other entry. An occurrence that would
// overlap another entry is skipped rather than deleting that entry, and the user is told.
void replanifier(ProgListe& liste, int i, const QDate& aujourdhui, qint64 minuteMaintenant,
                 std::vector<ActionHorloge>& informations)
{
    const LigneProgramme e = liste.ligne(i);
    LigneProgramme n = e;
    n.marqueur = u'A';
    std::optional<LigneProgramme> ecartee;
    for (;;) {
        n.date = ProchaineDateApresFin(n.date, e.frequence, aujourdhui);
        if (!n.date.isValid())
            return;
        if (minuteMaintenant >= n.minuteFin())
            continue;
        bool collision = false;
        for (int j = 0; j < liste.nombre() && !collision; ++j)
            collision = j != i && liste.ligne(j).chevauche(n);
        if (!collision)
            break;
        if (!ecartee)
            ecartee = n;
    }
    const int k = liste.indexInsertion(n.minuteDebut());
    liste.inserer(k, n);
    if (ecartee) {
        ActionHorloge a{ActionHorloge::Informer};
        a.texte = QStringLiteral("L'enregistrement récurrent de ") + e.chaine + QStringLiteral(" prévu ")
                  + dateHeure(*ecartee) + QStringLiteral(" empiète sur une autre programmation.\n")
                  + QStringLiteral("Il est reporté ") + dateHeure(n) + u'.';
        informations.push_back(a);
    }
}

// Whether `date` at `heure` is a time of `maintenant`'s zone (the spring change skips an hour).
bool heureExiste(const QDateTime& maintenant, const QDate& date, const QTime& heure)
{
    QDateTime t = maintenant;
    t.setTime(QTime(12, 0));
    t.setDate(date);
    t.setTime(heure);
    return t.isValid() && t.date() == date && t.time() == heure;
}

// Time from `maintenant` to the entry's end, in the time zone's real time (an entry across a
// change of hour lasts what the wall clock shows), or as the wall clock counts it when that
// end does not exist in the zone.
qint64 resteAuDepart(const LigneProgramme& e, const QDateTime& maintenant, qint64 seconde)
{
    if (heureExiste(maintenant, e.dateFin(), e.fin)) {
        QDateTime fin = maintenant;
        fin.setTime(QTime(12, 0));
        fin.setDate(e.dateFin());
        fin.setTime(e.fin);
        return maintenant.msecsTo(fin);
    }
    return (e.secondeFin() - seconde) * 1000 - maintenant.time().msec();
}

QStringList decouperArguments(const QString& texte)
{
    QStringList args;
    QString courant;
    QChar guillemet;  // the quote that opened the current group, null outside one
    bool present = false;
    for (const QChar c : texte) {
        if (guillemet.isNull() && (c == u'"' || c == u'\'')) {
            guillemet = c;
            present = true;
        } else if (c == guillemet) {
            guillemet = QChar();
        } else if (guillemet.isNull() && (c == u' ' || c == u'\t')) {
            if (present)
                args << courant;
            courant.clear();
            present = false;
        } else {
            courant += c;
            present = true;
        }
    }
    if (present)
        args << courant;
    return args;
}

}  // namespace

QString MessageChaineAbsente(const LigneProgramme& e)
{
    QString texte = QStringLiteral("L'enregistrement programmé ") + dateHeure(e) + QStringLiteral(" sur « ")
                    + e.chaine + QStringLiteral(" » n'a pas eu lieu :\n")
                    + QStringLiteral("cette chaîne ne figure plus dans la liste des chaînes.");
    if (e.recurrent())
        texte += QStringLiteral("\n\nLes enregistrements suivants de cette programmation récurrente\n"
                                "n'auront pas lieu non plus : programmez-la de nouveau sur une chaîne de la liste.");
    return texte;
}

QString MessageSautHorloge(const QString& chaine, qint64 ecartMs)
{
    const qint64 minutes = (std::abs(ecartMs) + 30000) / 60000;
    return QStringLiteral("L'heure de l'ordinateur a été ") + (ecartMs > 0 ? QStringLiteral("avancée") : QStringLiteral("retardée"))
           + QStringLiteral(" de ") + deuxChiffres(minutes / 60) + u':' + deuxChiffres(minutes % 60)
           + QStringLiteral(" pendant l'enregistrement programmé de « ") + chaine + QStringLiteral(" ».\n")
           + QStringLiteral("Il dure tout de même le temps prévu.");
}

QString MessageHeureSautee(const LigneProgramme& e)
{
    return QStringLiteral("L'enregistrement programmé ") + dateHeure(e) + QStringLiteral(" sur « ") + e.chaine
           + QStringLiteral(" » n'a pas eu lieu :\n")
           + QStringLiteral("cette heure n'existe pas ce jour-là (passage à l'heure d'été).");
}

QString TexteTaille(std::int64_t octets)
{
    return QString::number(std::max<std::int64_t>(octets, 0) / 1048576) + QStringLiteral(" Mo");
}

QString TexteTempsRestant(const QString& texteTaille, qint64 minutesRestantes)
{
    const qint64 m = std::max<qint64>(minutesRestantes, 0);
    return texteTaille + QStringLiteral(" (-- ") + deuxChiffres(m / 60) + u':' + deuxChiffres(m % 60) + u')';
}

std::optional<QString> AfficherEspaceLibre(std::int64_t octetsLibres)
{
    if (octetsLibres < 0)
        return std::nullopt;
    const QLocale fr(QLocale::French, QLocale::France);
    QString s = fr.toString(static_cast<double>(octetsLibres) / 1073741824.0, 'f', 2);
    const QString virgule = fr.decimalPoint();
    if (s.endsWith(virgule + QStringLiteral("00")))
        s.chop(virgule.size() + 2);
    else if (s.endsWith(u'0'))
        s.chop(1);
    return s + QStringLiteral(" Go");
}

std::optional<double> FractionEspaceLibre(std::int64_t octetsLibres, std::int64_t octetsTotal)
{
    if (octetsLibres < 0 || octetsTotal <= 0)
        return std::nullopt;
    return fraction(octetsLibres, octetsTotal);
}

QString AvisExtinction()
{
    return QStringLiteral(
        "L'extinction de l'ordinateur à la fin de cet enregistrement a été programmé par Kelmor. "
        "Cliquez sur le gros bouton vert [Annuler l'extinction automatique] dans la fenêtre "
        "d'Kelmor pour interrompre ce processus.");
}

CommandeProgramme CommandeApresEnregistrement(const QString& programme, const QString& arguments,
                                              const QString& fichier)
{
    const qsizetype p = fichier.lastIndexOf(u'/');
    qsizetype q = fichier.lastIndexOf(u'.');
    if (q <= p)
        q = fichier.size();
    const QString valeurs[3] = {fichier.left(std::max<qsizetype>(p, 0)), fichier.mid(p + 1, q - p - 1),
                                fichier.mid(q + 1)};
    CommandeProgramme c{programme, {}};
    for (const QString& a : decouperArguments(arguments)) {
        QString r;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (a.at(i) == u'%' && i + 1 < a.size() && a.at(i + 1) >= u'0' && a.at(i + 1) <= u'2') {
                r += valeurs[a.at(i + 1).unicode() - u'0'];
                ++i;
            } else {
                r += a.at(i);
            }
        }
        c.arguments << r;
    }
    return c;
}

std::vector<ActionHorloge> DeciderTicHorloge(ProgListe& liste, const EntreeHorloge& entree)
{
    std::vector<ActionHorloge> actions;
    const QDate jour = entree.maintenant.date();
    const QTime heure = entree.maintenant.time();
    const qint64 seconde = SecondeCivile(jour, heure);
    const qint64 minute = MinuteCivile(jour, heure);

    // Passed by a whole second, counted in elapsed time: a change of hour moves no duration.
    if (entree.resteEnregistrementMs && *entree.resteEnregistrementMs <= -1000)
        actions.push_back({ActionHorloge::ArreterEnregistrementManuel});

    // With its end held, a running entry could still run when the clock, set forward, makes
    // the next one due: the next one takes over, as it would have at the wall clock's end.
    bool autreDue = false;
    for (int i = 0; i < liste.nombre() && !autreDue; ++i) {
        const LigneProgramme& e = liste.ligne(i);
        autreDue = e.marqueur == u'A' && seconde > e.secondeDebut() && seconde <= e.secondeFin();
    }

    for (int i = 0; i < liste.nombre(); ++i) {
        LigneProgramme e = liste.ligne(i);
        const qint64 duree = e.secondeFin() - e.secondeDebut();

        if (e.marqueur == u'A' && seconde > e.secondeDebut()) {
            if (seconde > e.secondeFin()) {
                // Seen only after its end (the computer slept): nothing left to record.
                e.marqueur = u'X';
                liste.remplacer(i, e);
                if (!heureExiste(entree.maintenant, e.date, e.debut)) {
                    // Its whole time was in the hour the clocks skipped: the user must know.
                    ActionHorloge a{ActionHorloge::Avertir};
                    a.ligne = i;
                    a.texte = MessageHeureSautee(e);
                    actions.push_back(a);
                }
                if (e.recurrent())
                    replanifier(liste, i, jour, minute, actions);
                continue;
            }
            e.marqueur = u'E';
            int k = -1;
            for (int j = 0; j < entree.chaines.size(); ++j)
                if (entree.chaines.at(j) == e.chaine)
                    k = j;
            if (k < 0) {
                // Nothing is recorded, and the user learns it after the tick.
                e.marqueur = u'X';
                liste.remplacer(i, e);
                ActionHorloge a{ActionHorloge::Avertir};
                a.ligne = i;
                a.texte = MessageChaineAbsente(e);
                actions.push_back(a);
                continue;
            }
            liste.remplacer(i, e);
            ActionHorloge a{ActionHorloge::DemarrerProgramme};
            a.ligne = i;
            a.indexChaine = k;
            a.chaine = entree.chaines.at(k);
            a.progression = fraction(seconde - e.secondeDebut(), duree);
            a.resteMs = resteAuDepart(e, entree.maintenant, seconde);
            actions.push_back(a);
            continue;
        }
        if (!e.enCours())
            continue;

        // Once started, the end is counted in elapsed time.
        const std::optional<qint64>& reste = entree.resteProgrammeMs;
        const bool finPassee = reste ? *reste <= -1000 || autreDue : seconde > e.secondeFin();
        const qint64 ecouleMs = reste ? duree * 1000 - *reste : (seconde - e.secondeDebut()) * 1000;
        const qint64 minutesRestantes = reste ? (*reste + 59999) / 60000 : e.minuteFin() - minute;
        const bool arretDemande = e.marqueur == u'S';
        // A recorder that fails once the end has come, or after the user's stop, ended normally.
        const bool echec = entree.echecEnregistrement && !arretDemande && !finPassee;
        ActionHorloge suivi{ActionHorloge::SuivreProgramme};
        suivi.ligne = i;
        suivi.progression = fraction(ecouleMs, duree * 1000);
        suivi.texteTaille = entree.tailleFichier >= 0 ? TexteTaille(entree.tailleFichier) : entree.texteTaille;
        suivi.texte = TexteTempsRestant(suivi.texteTaille, minutesRestantes);
        actions.push_back(suivi);
        if (!arretDemande && !finPassee && !echec)
            continue;

        e.marqueur = u'X';
        liste.remplacer(i, e);
        std::vector<ActionHorloge> informations;
        if (e.recurrent())
            replanifier(liste, i, jour, minute, informations);
        ActionHorloge fin{ActionHorloge::TerminerProgramme};
        fin.ligne = i;
        actions.push_back(fin);
        if (echec) {
            // The user's program would work on a broken file, and a shutdown would hide the news.
            if (!entree.echecEnregistrement->isEmpty()) {
                ActionHorloge a{ActionHorloge::Avertir};
                a.ligne = i;
                a.texte = *entree.echecEnregistrement;
                actions.push_back(a);
            }
        } else if (entree.programmeApres) {
            const CommandeProgramme c =
                CommandeApresEnregistrement(entree.programme, entree.argumentsProgramme, entree.fichierEnregistre);
            ActionHorloge a{ActionHorloge::LancerProgrammeApres};
            a.ligne = i;
            a.programme = c.programme;
            a.arguments = c.arguments;
            actions.push_back(a);
        } else if (entree.extinction && !arretDemande) {
            ActionHorloge a{ActionHorloge::ProgrammerExtinction};
            a.ligne = i;
            a.texte = AvisExtinction();
            actions.push_back(a);
        }
        // Told after the recorder is stopped, so that a message box never keeps it running.
        actions.insert(actions.end(), informations.begin(), informations.end());
    }
    actions.push_back({ActionHorloge::ActualiserTitre});
    return actions;
}
