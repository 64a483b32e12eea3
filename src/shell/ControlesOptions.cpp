#include "shell/ControlesOptions.h"

#include "core/ClesParametres.h"
#include "core/Encodage.h"
#include "core/Parametres.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <vector>

const QStringList kOngletsOptions = {"Kelmor 1", "Kelmor 2", "Ecran TV", "Favoris",
                                     "Codecs",   "Auto",     "Fichiers", "A propos"};

namespace {
using G = GenreControle;

ControleOption cle(int onglet, G genre, const char* cle, const char* legende, const char* infobulle = nullptr,
                   const QStringList* items = nullptr, const char* cadre = nullptr)
{
    return {onglet, cadre, genre, cle, nullptr, legende, infobulle, items};
}

ControleOption autre(int onglet, G genre, const char* nom, const char* legende, const char* infobulle = nullptr,
                     const char* cadre = nullptr, const QStringList* items = nullptr)
{
    return {onglet, cadre, genre, nullptr, nom, legende, infobulle, items};
}

ControleOption sur(const char* ligne, ControleOption c)
{
    c.ligne = ligne;
    return c;
}

const std::vector<ControleOption>& table()
{
    static const std::vector<ControleOption> t = {
        // Kelmor 1
        cle(1, G::Case, "FLX1", "Limiter Kelmor à l'utilisation d'un seul flux",
            "Cocher cette case si votre ligne ne supporte qu'un seul flux vidéo"),
        cle(1, G::Case, "TRAN", "Utiliser les effets de transparence d'Kelmor",
            "A décocher si les transparences sont trop lentes"),
        cle(1, G::Case, "CADR", "Recadrer automatiquement Kelmor sur l'écran",
            "Vérifier qu'Kelmor ne déborde pas de l'écran (non recommandé pour les doubles écrans)"),
        cle(1, G::Case, "FAVI", "Démarrer Kelmor en mode favoris",
            "Placer automatiquement Kelmor en mode favoris au démarrage"),
        cle(1, G::Case, "CHA0", "Mémoriser la chaîne sélectionnée en quittant",
            "Re-sélectionner la dernière chaîne active au prochain démarrage"),
        cle(1, G::Case, "TIME", "Conserver le fichier temporaire de time shifting",
            "Ne pas effacer le fichier TimeShift.mpg en quittant le mode time shifting"),
        cle(1, G::Case, "UVLC", "Utiliser VLC pour regarder les vidéos enregistrées",
            "Regarder les vidéos enregistrées avec VLC et non avec le programme par défaut"),
        cle(1, G::Case, "POS0", "Mémoriser la position d'Kelmor en quittant",
            "Replacer Kelmor à son emplacement actuel au prochain démarrage"),
        cle(1, G::Case, "FAVO", "Afficher les favoris en mode télécommande",
            "Afficher automatiquement les chaînes favorites en passant en mode télécommande"),
        cle(1, G::Case, "AUTO", "Démarrer automatiquement avec la session",
            "Placer automatiquement Kelmor en veille à coté de l'horloge au démarrage de l'ordinateur"),
        cle(1, G::Case, "MINI", "Démarrer Kelmor en mode télécommande",
            "Placer automatiquement Kelmor en mode télécommande au démarrage"),
        cle(1, G::Case, "MTOP", "Télécommande / mini-écran toujours au-dessus",
            "Placer toujours la télécommande Kelmor au-dessus des autres fenêtres"),

        // Kelmor 2
        sur("texture", cle(2, G::Liste, "FOND", "Nom de la texture de fond utilisée :",
                           "Choisir le type de texture à afficher en arrière-plan d'Kelmor", &ListesParametres::FOND)),
        cle(2, G::Case, "SORT", "Trier les chaînes alphabétiquement", "Nécessite de redémarrer Kelmor"),
        sur("clavier", cle(2, G::Case, "CLAV", "Activer les raccourcis clavier :", "Activer les raccourcis clavier")),
        sur("clavier", autre(2, G::Bouton, "ClavierListe", "Afficher la liste",
                             "Afficher la liste des raccourcis clavier du mode télécommande")),
        autre(2, G::Bouton, "Réinitialiser", "Réinitialiser les paramètres de VLC",
              "Reconfigurer VLC avec ses valeurs par défaut"),
        sur("liste", autre(2, G::Bouton, "MAJcfg", "Vérifier les mises à jour des chaînes",
                           "Vérifier en ligne l'existence d'une mise à jour des chaînes")),
        sur("liste", cle(2, G::Case, "CFGA", "Auto",
                         "Réaliser cette vérification automatiquement à chaque démarrage d'Kelmor")),
        autre(2, G::Texte, nullptr, "Programmation des enregistrements par le Guide TV :"),
        sur("avant", cle(2, G::Liste, "AVAN", "Anticiper les enregistrements de",
                         "Démarrer les enregistrements XX minutes avant l'heure programmée via le guide TV",
                         &ListesParametres::MINUTES)),
        sur("avant", autre(2, G::Texte, nullptr, "minutes")),
        sur("apres", cle(2, G::Liste, "APRE", "Prolonger les enregistrements de",
                         "Finir les enregistrements XX minutes après l'heure programmée via le guide TV",
                         &ListesParametres::MINUTES)),
        sur("apres", autre(2, G::Texte, nullptr, "minutes")),

        // Ecran TV
        sur("freeplayer", cle(3, G::Case, "FRPL", "Afficher sur la télévision (*)",
                              "Afficher la chaîne regardée sur la télévision via le mini serveur FreePlayer")),
        sur("freeplayer", autre(3, G::Bouton, "FRPLtexte", "?", "Comment activer le mode FreePlayer de la Freebox ?")),
        cle(3, G::Case, "ORDI", "Ne pas afficher sur le micro en mode FreePlayer",
            "N'afficher l'image que sur la télévision en mode FreePlayer"),
        cle(3, G::Case, "DISP", "Afficher l'écran TV durant l'enregistrement",
            "Regarder l'émission enregistrée (non affichée sinon)"),
        cle(3, G::Case, "OTOP", "Mettre l'écran TV toujours au-dessus (*)"),
        cle(3, G::Case, "FULL", "Lancer l'écran TV en plein écran (*)",
            "Afficher automatiquement les émissions en plein écran"),
        cle(3, G::Case, "TVON", "Ouvrir l'écran TV au lancement",
            "Lire automatiquement la chaîne par défaut au démarrage d'Kelmor"),
        sur("entrelacement", cle(3, G::Case, "INTR", "Désentrelacement de la TV (*) :",
                                 "Activer le désentrelacement de l'image (lecture uniquement)")),
        sur("entrelacement", cle(3, G::Liste, "LACE", nullptr, "Sélectionner le mode de désentrelacement de l'image",
                                 &ListesParametres::LACE)),
        cle(3, G::Curseur, "ZOOM", "Zoom de l'affichage (*) :",
            "Sélectionner le niveau de zoom de l'image à l'écran (taille de la fenêtre)"),
        sur("zoom", autre(3, G::Texte, "ZoomTxt", "100%")),
        sur("zoom", autre(3, G::Bouton, "Zoom100", "100%", "Revenir à un zoom de 100%")),
        autre(3, G::Texte, nullptr, "(*) nécessite de relancer la lecture ou l'enregistrement"),

        // Codecs
        autre(5, G::Texte, nullptr, "Encapsulation MPEG :"),
        {5, nullptr, G::Paire, "TSPS", nullptr,
         "Réaliser une encapsulation PS (normal)|Réaliser une encapsulation TS (streaming)", nullptr},
        cle(5, G::Case, "VENC", "Spécifier les codecs à utiliser pour enregistrer (*)",
            "Encoder les vidéos enregistrées avec des codecs vidéo et audio particuliers"),
        autre(5, G::Texte, nullptr,
              "En cochant cette case, vous pourrez choisir d'encoder au vol les enregistrements avec un meilleur "
              "taux de compression, moyennant une consommation processeur supérieure et une qualité moindre des "
              "fichiers vidéos générés."),
        autre(5, G::Texte, nullptr,
              "Par défaut, le flux est enregistré dans le format de diffusion d'origine correspondant à un volume "
              "disque de 1,2 Go par heure d'enregistrement."),
        autre(5, G::Liste, "Profils", "Profils pré-définis :",
              "Définir les paramètres d'encodage à partir d'un profil pré-défini", "FondEnc", &Encodage::PROFILS),
        // Two lines: "Vidéo" codec "à" rate "Kb/s, zoom" scale "%", and "Audio" codec "à" rate "Kb/s," channels.
        sur("video", cle(5, G::Liste, "VCOD", "Vidéo", nullptr, &Encodage::VCOD, "FondEnc")),
        sur("video", cle(5, G::Saisie, "VDEB", "à", "Indiquer le taux (bitrate) à utiliser pour l'encodage vidéo",
                         nullptr, "FondEnc")),
        sur("video", cle(5, G::Saisie, "VECH", "Kb/s, zoom", "Indiquer le niveau de zoom souhaité pour l'enregistrement",
                         nullptr, "FondEnc")),
        sur("video", autre(5, G::Texte, nullptr, "%", nullptr, "FondEnc")),
        sur("audio", cle(5, G::Liste, "ACOD", "Audio", nullptr, &Encodage::ACOD, "FondEnc")),
        sur("audio", cle(5, G::Saisie, "ADEB", "à", "Indiquer le taux (bitrate) à utiliser pour l'encodage audio",
                         nullptr, "FondEnc")),
        sur("audio", cle(5, G::Liste, "ACAN", "Kb/s,", nullptr, &ListesParametres::ACAN, "FondEnc")),
        sur("capsule", cle(5, G::Liste, "CAPS", "Méthode d'encapsulation :", nullptr, &Encodage::CAPS, "FondEnc")),
        cle(5, G::Case, "AUDO", "N'enregistrer que le flux audio et ignorer la vidéo",
            "Ignorer la flux vidéo et n'enregistrer que le son de l'émission", nullptr, "FondEnc"),
        sur("taille", autre(5, G::Texte, nullptr, "Taille approximative d'une heure :", nullptr, "FondEnc")),
        sur("taille", autre(5, G::Texte, "Taille", "1234 Mo", nullptr, "FondEnc")),
        autre(5, G::Texte, nullptr,
              "Par ailleurs, la compatibilité des fichiers vidéos générés par cette méthode est moins bonne et "
              "certains lecteurs ne les accepteront pas.",
              nullptr, "FondEnc"),
        autre(5, G::Texte, nullptr, "(*) nécessite de relancer l'enregistrement"),

        // Auto
        autre(6, G::Texte, nullptr,
              "Cette option vous permet de lancer un autre programme à la fin de chaque enregistrement automatique. "
              "Cela vous permettra par exemple d'exécuter automatiquement un programme de conversion de format vidéo "
              "des enregistrements que vous aurez programmés et qui se seront déroulés en votre absence."),
        cle(6, G::Case, "AUTR", "Exécuter un programme en fin d'enregistrement",
            "Lancer automatiquement un programme à la fin de chaque enregistrement programmé"),
        sur("programme", autre(6, G::Bouton, "AutoSél", "Sélectionnez le programme à lancer",
                               "Sélectionner l'exécutable à lancer à la fin de chaque enregistrement programmé",
                               "FondAuto")),
        sur("programme", autre(6, G::Bouton, "AutoClear", "X", "Effacer la référence au programme à lancer", "FondAuto")),
        cle(6, G::Valeur, "AUTP", nullptr, nullptr, nullptr, "FondAuto"),
        autre(6, G::Texte, nullptr, "Indiquez la ligne de commande à passer :", nullptr, "FondAuto"),
        cle(6, G::Saisie, "AUTL", nullptr,
            "Indiquer la ligne de commande à passer en utilisant les variables %0, %1 et %2", nullptr, "FondAuto"),
        autre(6, G::Texte, nullptr, "(%0 = répertoire, %1 = nom, %2 = extension)", nullptr, "FondAuto"),

        // Fichiers
        autre(7, G::Texte, nullptr, "Répertoire de sauvegarde des enregistrements :"),
        {7, nullptr, G::Valeur, "RECP", "RECpathTxt", nullptr, nullptr},
        autre(7, G::Bouton, "RECpath0", "Choisir le répertoire...",
              "Sélectionner le répertoire devant accueillir les fichiers enregistrés"),

        // A propos
        autre(8, G::Bouton, "AllerSite", "Site Kelmor", "Aller sur le site web d'Kelmor : "),
        autre(8, G::Bouton, "AllerFAQ", "Aide Kelmor", "Aller sur l'aide en ligne d'Kelmor : "),
        autre(8, G::Bouton, "AllerForums", "Forums Kelmor", "Aller sur les forums d'Kelmor : "),
        sur("version", autre(8, G::Bouton, "MAJexe", "Vérifier les mises à jour d'Kelmor",
                             "Vérifier en ligne l'existence d'une mise à jour d'Kelmor")),
        sur("version", cle(8, G::Case, "EXEA", "Auto",
                           "Réaliser cette vérification automatiquement à chaque démarrage d'Kelmor")),
        autre(8, G::Texte, "Version0", ""),
        autre(8, G::Texte, "Logo0", ""),
    };
    return t;
}
}  // namespace

std::span<const ControleOption> ControlesOptions()
{
    return table();
}

QString NomControle(const ControleOption& c)
{
    if (c.nom)
        return QString::fromUtf8(c.nom);
    if (c.cle)
        return QString::fromLatin1(c.cle) + QStringLiteral("tag");
    return {};
}

QWidget* CreerControle(const ControleOption& c, QWidget* parent)
{
    const QString legende = c.legende ? QString::fromUtf8(c.legende) : QString();
    QWidget* w = nullptr;
    switch (c.genre) {
    case GenreControle::Case:
        w = new QCheckBox(legende, parent);
        break;
    case GenreControle::Liste: {
        auto* l = new QComboBox(parent);
        if (c.items)
            l->addItems(*c.items);
        w = l;
        break;
    }
    case GenreControle::Curseur: {
        auto* s = new QSlider(Qt::Horizontal, parent);
        const CleParametre* k = c.cle ? TrouverCle(c.cle) : nullptr;
        s->setRange(k ? k->min : 0, k ? k->max : 100);
        w = s;
        break;
    }
    case GenreControle::Saisie:
        w = new QLineEdit(parent);
        break;
    case GenreControle::Valeur: {
        auto* l = new QLabel(parent);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        w = l;
        break;
    }
    case GenreControle::Paire: {
        // The first option stores 2, the second 1; they are the children `tag(2)` and `tag(1)`.
        auto* cadre = new QWidget(parent);
        auto* v = new QVBoxLayout(cadre);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(0);
        const QStringList legendes = legende.split(u'|');
        auto* groupe = new QButtonGroup(cadre);
        for (int i = 0; i < 2; ++i) {
            auto* r = new QRadioButton(legendes.value(i), cadre);
            r->setObjectName(NomControle(c) + QStringLiteral("(%1)").arg(2 - i));
            groupe->addButton(r, 2 - i);
            v->addWidget(r);
        }
        w = cadre;
        break;
    }
    case GenreControle::Bouton:
        w = new QPushButton(legende, parent);
        break;
    case GenreControle::Texte: {
        auto* l = new QLabel(legende, parent);
        l->setWordWrap(true);
        w = l;
        break;
    }
    }
    w->setObjectName(NomControle(c));
    if (c.infobulle)
        w->setToolTip(QString::fromUtf8(c.infobulle));
    return w;
}
