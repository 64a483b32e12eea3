#include "engine/GuideTV.h"

#include "core/Parametres.h"
#include "core/TexteHtml.h"
#include "engine/EtatFenetre.h"
#include "engine/Moteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

const QString GuideTV::kInaccessible = QStringLiteral("Le Guide TV est inaccessible.");
const QString GuideTV::kSansProgramme = QStringLiteral("Le Guide TV ne propose pas cette chaîne.");

int MinutesMarge(int index)
{
    if (index < 0 || index >= ListesParametres::MINUTES.size())
        return 0;
    return ListesParametres::MINUTES.at(index).trimmed().toInt();
}

ProgrammeGuide ValeursProgrammeGuide(const std::vector<LigneGuide>& lignes, int r, const QDate& jour, int minutesAvant,
                                     int minutesApres, int frequence, const QString& chaine)
{
    const int n = static_cast<int>(lignes.size());
    if (r < 0 || r >= n || !jour.isValid())
        return {};
    if (r == n - 1)
        return {std::nullopt, QStringLiteral("L'heure de fin de cette émission est inconnue.\n"
                                             "L'enregistrement de cette émission n'a pas été\n"
                                             "programmé.")};
    // Minutes from the page day's midnight; a start after midnight belongs to the next day.
    constexpr int kJour = 24 * 60;
    int debut = MinutesDansJournee(lignes, r) - minutesAvant;
    QDate date = jour;
    while (debut >= kJour) {
        debut -= kJour;
        date = date.addDays(1);
    }
    while (debut < 0) {
        debut += kJour;
        date = date.addDays(-1);
    }
    const QTime suivant = lignes.at(static_cast<size_t>(r + 1)).debut;
    const int fin = ((suivant.hour() * 60 + suivant.minute() + minutesApres) % kJour + kJour) % kJour;
    ValeursEditeur v;
    v.date = date;
    v.debut = QTime(debut / 60, debut % 60);
    v.fin = QTime(fin / 60, fin % 60);
    v.chaine = chaine;
    v.frequence = frequence;
    return {v, {}};
}

GuideTV::GuideTV(Session& session, Moteur& moteur, Plateforme& plateforme, const EtatFenetre& fenetre,
                 QObject* parent)
    : QObject(parent), session_(session), moteur_(moteur), plateforme_(plateforme), fenetre_(fenetre)
{
}

void GuideTV::telecharger(const QString& adresse, std::function<void(const QString&)> suite)
{
    // The connecting overlay and a window that takes no input, from the request to its reply;
    // the fetch itself holds nothing (the clock ticks meanwhile). A reply overtaken by a later
    // request of the same kind is not shown.
    const quint64 demande = ++demandes_;
    if (enCours_++ == 0)
        emit connexionAffichee(true);
    plateforme_.web.telecharger(adresse, 0, Suite<QByteArray>(this, [this, demande, suite](const QByteArray& page) {
        if (--enCours_ == 0)
            emit connexionAffichee(false);
        if (demande == demandes_)
            suite(DecoderPage(page));
    }));
}

void GuideTV::afficherLignes(const QString& sansLigne)
{
    const auto& e = etat_;
    if (e.lignes.empty()) {
        emit lignesAffichees({sansLigne}, -1, false, false);
        return;
    }
    QStringList textes;
    for (const LigneGuide& l : e.lignes)
        textes << l.texte();
    emit lignesAffichees(textes, e.ligne, ligneProgrammable(), ligneAvecResume());
}

bool GuideTV::ligneProgrammable() const
{
    return etat_.ligne >= 0 && etat_.ligne < static_cast<int>(etat_.lignes.size());
}

bool GuideTV::ligneAvecResume() const
{
    return ligneProgrammable() && etat_.lignes.at(static_cast<size_t>(etat_.ligne)).id != 0;
}

void GuideTV::GuiderOnglets_Click(int onglet)
{
    if (onglet == 2)
        ChargerJoursGuide();
    else if (onglet == 3)
        Refresh15_Click();
}

void GuideTV::Chaines_Click()
{
    if (fenetre_.guideTV())
        ChargerJoursGuide();
}

void GuideTV::ChargerJoursGuide()
{
    telecharger(plateforme_.adresses.racineGuide() + "index.php?canal=1&nb_jour=0", [this](const QString& page) {
        etat_.jours.clear();
        etat_.jour = -1;
        const auto dernier = LireDateDernierJour(page);
        if (!dernier) {
            emit joursAffiches({}, -1);
            // Rows of another channel or day must not stay on show as if they were current, and
            // the list says what happened, not that the channel has no guide.
            etat_.lignes.clear();
            etat_.ligne = -1;
            afficherLignes(kInaccessible);
            moteur_.signaler(kInaccessible);
            return;
        }
        etat_.jours = DatesJoursGuide(*dernier);
        QStringList textes;
        for (const QDate& d : etat_.jours)
            textes << TexteJourGuide(d);
        const int index = IndexJourCourant(plateforme_.horloge.maintenant().time());
        emit joursAffiches(textes, index);
        GuideDate_Click(index);
    });
}

void GuideTV::GuideDate_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(etat_.jours.size()))
        return;
    etat_.jour = index;
    etat_.lignes.clear();
    etat_.ligne = -1;
    etat_.chaine.clear();
    etat_.date = etat_.jours.at(static_cast<size_t>(index));
    const int c = session_.chaineSelectionnee;
    if (c < 0 || c >= session_.chaines.taille()) {
        afficherLignes();
        return;
    }
    const Chaine chaine = session_.chaines.at(c);
    telecharger(plateforme_.adresses.racineGuide() + "index.php?canal=" + QString::number(chaine.numero) + "&nb_jour="
                    + QString::number(index - 1),
                [this, chaine, index](const QString& page) {
                    // The guide's page for this channel holds another channel's programmes.
                    if (chaine.nom != QStringLiteral("Euronews"))
                        etat_.lignes = LirePageGuide(page);
                    etat_.chaine = chaine.nom;
                    if (!etat_.lignes.empty()) {
                        const QTime maintenant = plateforme_.horloge.maintenant().time();
                        etat_.ligne = LigneEnCours(etat_.lignes, maintenant, index == IndexJourCourant(maintenant));
                        etat_.frequence = 0;
                        emit frequenceAffichee(0);
                    }
                    afficherLignes();
                });
}

void GuideTV::GuideListe_Click(int index)
{
    etat_.ligne = index >= 0 && index < static_cast<int>(etat_.lignes.size()) ? index : -1;
    emit boutonsAffiches(ligneProgrammable(), ligneAvecResume());
}

void GuideTV::GuideFreq_Click(int index)
{
    etat_.frequence = qBound(0, index, 4);
}

void GuideTV::GuideProg_Click()
{
    const Parametres& p = session_.parametres.p;
    const ProgrammeGuide r = ValeursProgrammeGuide(etat_.lignes, etat_.ligne, etat_.date, MinutesMarge(p.AVAN),
                                                   MinutesMarge(p.APRE), etat_.frequence, etat_.chaine);
    if (!r.valeurs) {
        if (!r.refus.isEmpty())
            plateforme_.dialogues.exclamation(r.refus);
        return;
    }
    emit programmeDemande(*r.valeurs);
}

void GuideTV::GuideResume_Click()
{
    const int i = etat_.ligne;
    if (i < 0 || i >= static_cast<int>(etat_.lignes.size()))
        return;
    const qint64 id = etat_.lignes.at(static_cast<size_t>(i)).id;
    if (id != 0)
        plateforme_.shell.ouvrir(plateforme_.adresses.racineGuide() + "detail.php?id_programme=" + QString::number(id));
}

void GuideTV::Refresh15_Click()
{
    telecharger(plateforme_.adresses.racineAudience() + "audience15.xml", [this](const QString& page) {
        const auto entrees = LireAudience(page);
        if (!entrees) {
            moteur_.signaler(kInaccessible);
            return;
        }
        etat_.AudienceNow = "(à " + plateforme_.horloge.maintenant().toString(QStringLiteral("HH:mm:ss")) + ")";
        const TextesAudience t = MettreEnForme(*entrees);
        emit audienceAffichee(t.rangs, t.parts, t.libelles, etat_.AudienceNow);
    });
}
