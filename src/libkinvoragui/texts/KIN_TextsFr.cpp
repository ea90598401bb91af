#include "KIN_Texts.h"

#include <iterator>

namespace
{
const char* const g_texts[] = {
    "&Fichier",
    "&Edition",
    "&Affichage",
    "&Nouveau",
    "&Charger",
    "&Sauvegarder",
    "Exporter &image",
    "&Quitter",
    "Configuration diagramme",
    "Nouvelle periode",
    "Changer periode",
    "Supprimer periode",
    "Supprimer lien",
    "Supprimer image",
    "Décaler",
    "A &propos",
    "Liste toutes les periodes",
    "Details de la periode selectionnee",
    "Etes vous sure de vouloir supprimer cette periode?",
    "Etes vous sure de vouloir supprimer ce lien?",
    "Etes vous sure de vouloir supprimer cette image?",
    "Creer une nouvelle periode",
    "Changer la configuration d'une periode",
    "Creer un nouveau diagramme",
    "Changer la configuration du diagramme",
    "Fichier kinvora (*.xml)",
    "Selectionner un fichier a charger.",
    "Selectionner un fichier a sauvegarder.",
    "Definir un fichier image pour exporter.",
    "Fichier image (*.png)",
    "Nouvelle image",
    "Selectionner une image a charger.",
    "Naissance:",
    "Deces:",
    "annees",
    "Decalage:",
    "colonnes",
    "Largeur:",
    "Titre: (ecrit sur le graphe)",
    "Details: (non ecrit sur le graphe)",
    "Couleurs:",
    "- Contour:",
    "- Font:",
    "- Texte:",
    "Depuis colonne:",
    "Jusqu'à colonne:",
    "Date de debut:",
    "Date de fin:",
    "Annuler",
    "Attention",
    "Le diagramme n'a pas pu etre sauvegarde dans :\n%1",
    "Le fichier n'a pas pu etre charge :\n%1\nLe diagramme affiche n'a pas change.",
    "L'image n'a pas pu etre ecrite dans :\n%1",
    "Le fichier de sauvegarde automatique est illisible. Il est conserve sous :\n%1\nKinvora "
    "demarre avec un diagramme vide.",
    "Le fichier de sauvegarde automatique est illisible et n'a pas pu etre deplace. Pour le "
    "conserver, la sauvegarde automatique reste arretee jusqu'au prochain demarrage.",
    "noir",
    "blanc",
    "gris sombre",
    "gris",
    "gris leger",
    "rouge",
    "vert",
    "bleu",
    "cyan",
    "magenta",
    "jaune",
    "orange",
    "rouge sombre",
    "vert sombre",
    "bleu sombre",
    "cyan sombre",
    "magenta sombre",
    "jaune sombre",
    "orange sombre",
    "Annuler",
    "Rétablir",
    "Déplacer période",
    "Nouveau lien",
    "Déplacer image",
    "Redimensionner image",    "Importer GEDCOM...",
    "Sélectionner un fichier GEDCOM à importer.",
    "GEDCOM (*.ged *.GED)",
    "Importer GEDCOM",
    "Importation de %1...",
    "%1 personnes et %2 familles importées ; %3 avec des dates estimées.",
    " %1 écartées : ni elles ni leurs proches n'ont de date.",
    "Le fichier GEDCOM n'a pas pu être importé :\n%1\n%2\nLe diagramme affiché est inchangé.",
    "Lecture du fichier impossible : %1",
    "Le fichier est vide.",
    "Pas un fichier GEDCOM : %1",
    "L'importation a été annulée.",
    "Naissance",
    "Décès",
    "Baptême",
    "Baptême",
    "Inhumation",
    "Crémation",
    "vers",
    "calculé",
    "estimé",
    "avant",
    "après",
    "entre",
    "et",
    "du",
    "au",
    "(estimé)",
    "?",
    "Chercher une période",
    "La sauvegarde automatique n'a pas pu être écrite dans :\n%1\nVos modifications n'y sont plus conservées tant qu'elle ne peut pas être écrite : sauvegardez-les avec Fichier > Sauvegarder.",
    "Dessin du diagramme...",
};
static_assert(std::size(g_texts) == static_cast<int>(KIN_Text::Count),
              "the French table must have one text per entry");
} // namespace

const char* KIN_TextOf(KIN_Text text)
{
    return g_texts[static_cast<int>(text)];
}

const char* KIN_BuildDate()
{
    return __DATE__;
}

const char* KIN_BuildTime()
{
    return __TIME__;
}
