// The order of the clock, the answers and the close: every question that can change the
// players or the schedule, answered at each step of an entry's start and end.
#include "engine/EnregistrementManuel.h"
#include "engine/Programmation.h"
#include "engine/Transport.h"
#include "support/BancApplication.h"

#include <gtest/gtest.h>

#include <set>

namespace {
const QDate kJour(2026, 12, 9);

struct BancOrdre : BancApplication {
    BancOrdre()
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6"}));
        ecrire("Kelmor.ini", "MONO=0\nPROG=[A] 09/12/2026 20:05 - 20:35 > M6 (1)\n");
        EXPECT_TRUE(demarrer());
        dialogues.messages.clear();
        // Every wait and every close takes its time, and the user answers when the test says.
        horloge.immediat = false;
        lecteurs.fermeturesDifferees = true;
        dialogues.retenir = true;
    }
    Composition& c() { return app->parties(); }
    void allerA(const QTime& t) { horloge.avancer(horloge.maintenant().msecsTo(QDateTime(kJour, t))); }
    // Lets every sequence run to its end; a question asked again meanwhile is answered Yes.
    void regler()
    {
        for (int i = 0; i < 100; ++i) {
            lecteurs.signalerFermetures();
            if (dialogues.retenues() > 0) {
                dialogues.repondre(true);
                continue;
            }
            if (horloge.etapesEnAttente() == 0 && lecteurs.fermeturesEnAttente.empty())
                return;
            horloge.avancer(250);
        }
        ADD_FAILURE() << "a sequence never ended";
    }
    std::set<RoleLecteur> joueurs()
    {
        std::set<RoleLecteur> r;
        for (const auto& [role, actif] : lecteurs.actifs)
            if (actif)
                r.insert(role);
        return r;
    }
};

enum class Bord { Debut, Fin };
enum class Moment { Avant, FermetureLecteurs, SecondeApres, Apres };

struct Question {
    const char* nom;
    std::function<void(BancOrdre&)> preparer;  // what plays before the entry's start
    std::function<void(BancOrdre&)> poser;
};

void enregistrerTF1(BancOrdre& b)
{
    b.c().moteur.Chaines_Click(0);
    b.c().enregistrement.Rec_Click();
}

const std::vector<Question>& questions()
{
    static const std::vector<Question> q{
        {"Effacer", {}, [](BancOrdre& b) { b.c().programmation.ToutSupprimer_Click(); }},
        {"Supprimer", {}, [](BancOrdre& b) {
             b.c().programmation.ProgListe_Click(0);
             b.c().programmation.SupprimerSelection_Click();
         }},
        {"Stopper", {}, [](BancOrdre& b) {
             b.c().programmation.ProgListe_Click(0);
             b.c().programmation.Stopper_Click();
         }},
        {"Modifier", {}, [](BancOrdre& b) {
             b.c().programmation.ProgListe_Click(0);
             b.c().programmation.Modifier_Click();
         }},
        {"Enregistrer une autre chaîne", enregistrerTF1, [](BancOrdre& b) {
             b.c().moteur.Chaines_Click(1);
             b.c().enregistrement.Rec_Click();
         }},
        {"Regarder", enregistrerTF1, [](BancOrdre& b) { b.c().transport.Play_Click(); }},
        {"Différé", enregistrerTF1, [](BancOrdre& b) { b.c().transport.Shift_Click(); }},
        {"Quitter le différé", [](BancOrdre& b) { b.c().transport.Shift_Click(); },
         [](BancOrdre& b) { b.c().moteur.StopAll_Click(); }},
        {"Quitter", enregistrerTF1, [](BancOrdre& b) { b.app->Form_QueryUnload(true); }},
    };
    return q;
}

// What runs is what the state and the schedule show, and a due entry records.
void verifier(BancOrdre& b, const std::string& cas)
{
    SCOPED_TRACE(cas);
    const Session& s = b.c().session;
    if (b.app->fermeture() == EtatFermeture::Terminee) {
        EXPECT_TRUE(b.lecteurs.aucunEnCours()) << "a player outlived the close";
        return;
    }
    std::set<RoleLecteur> attendus;
    if (s.Etat == EtatLecteur::Lecture)
        attendus = {RoleLecteur::Regarder};
    else if (s.Etat == EtatLecteur::Enregistrement || s.Etat == EtatLecteur::Programme)
        attendus = {RoleLecteur::Enregistreur};
    else if (s.Etat == EtatLecteur::Differe)
        attendus = {RoleLecteur::DiffereEnregistreur, RoleLecteur::DiffereLecteur};
    EXPECT_EQ(b.joueurs(), attendus) << "state " << int(s.Etat);

    const QDateTime maintenant = b.horloge.maintenant();
    int enCours = 0;
    for (const LigneProgramme& l : s.programmes.lignes()) {
        if (l.marqueur == u'E')
            ++enCours;
        const bool du = l.minuteDebut() <= MinuteCivile(maintenant.date(), maintenant.time())
                        && MinuteCivile(maintenant.date(), maintenant.time()) < l.minuteFin();
        if (du) {
            EXPECT_EQ(l.marqueur, QChar(u'E')) << "a due entry does not record: " << l.texte().toStdString();
        }
    }
    EXPECT_EQ(enCours, s.Etat == EtatLecteur::Programme ? 1 : 0) << "the schedule and the state disagree";
}
}  // namespace

TEST(Application, EveryQuestionAnsweredAtEveryStepOfAnEntrysStartAndEndLeavesNothingRunningUnseen)
{
    for (const Bord bord : {Bord::Debut, Bord::Fin})
        for (const Moment moment : {Moment::Avant, Moment::FermetureLecteurs, Moment::SecondeApres, Moment::Apres})
            for (const Question& q : questions()) {
                const std::string cas = std::string(q.nom) + (bord == Bord::Debut ? ", start" : ", end")
                                        + ", step " + std::to_string(int(moment));
                BancOrdre b;
                if (q.preparer)
                    q.preparer(b);
                b.regler();
                // A tick starts an entry once its minute has begun.
                QTime tic(20, 5, 1);
                if (bord == Bord::Fin) {
                    b.allerA(tic);
                    b.app->Horloge_Timer();
                    b.regler();
                    EXPECT_EQ(b.c().session.Etat, EtatLecteur::Programme) << cas;
                    tic = QTime(20, 35, 1);
                }
                b.allerA(tic.addSecs(-5));
                q.poser(b);
                if (moment == Moment::Avant)
                    b.dialogues.repondre(true);
                b.allerA(tic);
                b.app->Horloge_Timer();
                if (moment == Moment::FermetureLecteurs)
                    b.dialogues.repondre(true);
                b.lecteurs.signalerFermetures();
                if (moment == Moment::SecondeApres)
                    b.dialogues.repondre(true);
                b.regler();
                if (moment == Moment::Apres)
                    b.dialogues.repondre(true);
                b.regler();
                // The clock's next tick sees what the answers left.
                b.horloge.avancer(10000);
                b.app->Horloge_Timer();
                b.regler();
                verifier(b, cas);
            }
}
