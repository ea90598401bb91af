#ifndef TRE_LECTEURTEXTE_H
#define TRE_LECTEURTEXTE_H

#include "KIT_SafeObject.h"
#include "TRE_Buffer.h"
#include "TRE_Element.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>

// Reader of the brace text format that Ecrire prints. Each rule either matches and returns
// its element, or fails: without an error code it puts the buffer back where it started;
// with one, the whole parse ends.
class TRE_LecteurTexte : public KIT_SafeObject
{
public:
    static constexpr int kProfondeurMax = 2000;

    enum Erreur : std::int16_t
    {
        Memoire = 1,
        Ouverture = 2,
        ChaineOuverte = 10,
        PointVirguleManquant = 11,
        NombreInterrompu = 12,
        AppelOuvert = 13,
        GroupeOuvert = 14,
        TableSansPointVirgule = 15,
        TableauOuvert = 16,
        TropProfond = 17
    };

    TRE_LecteurTexte() noexcept : KIT_SafeObject("TRE_LecteurTexte") {}
    ~TRE_LecteurTexte() override = default;

    // The file element of the text, or null with the error code and message set.
    std::unique_ptr<TRE_Element> Lire(const char* pChemin);

    std::int16_t GetErrorCode() const noexcept { return m_nErreur; }
    const std::string& GetMessage() const noexcept { return m_message; }

private:
    using Resultat = std::unique_ptr<TRE_Element>;

    bool Nom(std::unique_ptr<char[]>& pNom);
    Resultat Nombre();
    Resultat Chaine();
    Resultat Appel();
    Resultat Tableau();
    Resultat Groupe();
    Resultat Table();
    Resultat Champ();
    Resultat TableHaute();
    Resultat Valeur();
    Resultat Element();
    Resultat Fichier();

    void SauterBlancs();
    Resultat Echec(std::int16_t nCode);
    Resultat Extraire(const TRE_Index& debut, std::int16_t nType);
    bool Entrer();

    TRE_Buffer m_buffer;
    std::int16_t m_nErreur = 0;
    std::string m_message;
    int m_nProfondeur = 0;
    // Positions of groups already refused without an error: a field and a table are tried
    // at the same place, so without this a nested input is read again and again.
    std::unordered_set<std::int32_t> m_groupesRefuses;
};

#endif
