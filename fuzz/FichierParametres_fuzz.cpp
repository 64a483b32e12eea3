// Any bytes as the settings file, through the early pass, the main pass and the migrations.
#include "Exiger.h"
#include "core/FichierParametres.h"
#include "platform/Dialogues.h"

#include <cstddef>
#include <cstdint>

namespace {
class DialoguesMuets : public Dialogues {
public:
    explicit DialoguesMuets(bool oui) : oui_(oui) {}
    void exclamation(const QString&) override {}
    void information(const QString&) override {}
    void question(const QString&, Suite<bool> reponse) override { reponse(oui_); }
    void choisirFichier(const QString&, const QString&, const QString&, Suite<QString> choix) override
    {
        choix(QString());
    }
    void quandLibre(std::function<void()> suite) override { suite(); }
    void abandonner() override {}

private:
    bool oui_;
};

const QString kDocuments = QStringLiteral("/home/anne/Documents");

ContenuParametres lire(const QByteArray& texte, const QStringList& noms, bool oui, bool dossiersExistent)
{
    DialoguesMuets dialogues(oui);
    ContenuParametres c;
    AppliquerDefauts(c, kDocuments);
    LirePassePrincipale(texte, c, noms, [dossiersExistent](const QString&) { return dossiersExistent; },
                        dialogues);
    AppliquerMigrations(c, dialogues);
    return c;
}

bool dans(int v, int min, int max)
{
    return v >= min && v <= max;
}

void verifier(const QByteArray& texte, const QStringList& noms, bool oui, bool dossiersExistent)
{
    const ContenuParametres c = lire(texte, noms, oui, dossiersExistent);
    const Parametres& p = c.p;
    exiger(dans(p.FOND, 0, 7) && dans(p.AVAN, 0, 7) && dans(p.APRE, 0, 7) && dans(p.ZOOM, 10, 200)
               && dans(p.LACE, 0, 5) && dans(p.TSPS, 1, 2) && dans(p.VCOD, 0, 11) && dans(p.ACOD, 0, 9)
               && dans(p.ACAN, 0, 1) && dans(p.CAPS, 0, 8),
           "every list index stays within its list");
    exiger(!c.dossierEnregistrement.isEmpty(), "there is always a recording folder");

    // The early pass reads SORT and CFGA as the main pass does.
    const Parametres defaut;
    const ValeursPrecoces precoces = LirePassePrecoce(texte, {defaut.SORT, defaut.CFGA});
    exiger(precoces.sort == p.SORT && precoces.cfga == p.CFGA, "both passes read SORT and CFGA alike");

    // What is written is read back and written again the same, except favourites whose
    // channel is not in the list (the older "FAV1"-"FAV8" lines are kept without that check).
    const QByteArray ecrit = TexteParametres(c);
    const ContenuParametres relu = lire(ecrit, noms, oui, true);
    const QList<QByteArray> avant = ecrit.split('\n');
    const QList<QByteArray> apres = TexteParametres(relu).split('\n');
    exiger(avant.size() == apres.size(), "the same number of lines is written again");
    for (qsizetype i = 0; i < avant.size(); ++i) {
        if (avant[i] == apres[i])
            continue;
        const bool favori = avant[i].startsWith("FA") && avant[i].size() >= 5 && avant[i][4] == '=';
        const bool nomDeGroupe = favori && avant[i][3] == '0';
        const QString valeur = QString::fromUtf8(avant[i].mid(5));
        exiger(favori && !nomDeGroupe && !noms.contains(valeur), "a setting written is read back the same");
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray texte(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    verifier(texte, {"TF1", "France 2", "M6", "Télé Bretagne"}, true, true);
    verifier(texte, {}, false, false);
    return 0;
}
