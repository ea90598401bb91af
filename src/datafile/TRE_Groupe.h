#ifndef TRE_GROUPE_H
#define TRE_GROUPE_H

#include "KIT_SafeObject.h"
#include "TRE_Element.h"

#include <memory>
#include <string>
#include <unordered_map>

// An ordered group of elements: the content of a table, an attribute list, or a {...} of
// the text format.
class TRE_Groupe : public TRE_Element, public KIT_SafeObject
{
public:
    // The last table found by name and occurrence, so that reading the occurrences of a
    // name in increasing order costs one step each; any change to the children clears it.
    // Groups with many children also index their names, so that the first occurrence of a
    // name and an occurrence past the last one are found without walking the whole list.
    class Cache
    {
    public:
        static constexpr int kSeuilIndex = 32;

        // The children changed: forgets the last table found.
        void Vider() noexcept;
        // The child just appended at the end of the list.
        void Ajoute(const TRE_ListeElements& enfants);
        // The children are gone.
        void Oublier();

        const char* pNom = nullptr;
        int nOccurrence = 0;
        TRE_ListeElements::Node* pNoeud = nullptr;

        struct Entree
        {
            TRE_ListeElements::Node* pPremier = nullptr;
            int nTables = 0;
            bool bChamp = false;
        };
        // The entry of the name, null when no child has it; null index when none is kept.
        const Entree* Chercher(const char* pTexte, bool& bIndexe) const;

    private:
        void Indexer(TRE_ListeElements::Node* pNoeud);

        std::unique_ptr<std::unordered_map<std::string, Entree>> m_pIndex;
    };

    TRE_Groupe();
    ~TRE_Groupe() override = default;

    void Ecrire(std::FILE* pFichier) const override;
    void EcrireXml(std::ostream& flux, int nNiveau) const override;
    void EcrireAttribut(std::ostream& flux) const override;
    std::unique_ptr<TRE_Element> Dupliquer() const override;
    void Liberer() override;
    TRE_Element* ChercherJetons(TRE_Jetons& jetons) override;
    TRE_Element* ChercherNom(const char* pNom, const char* pNumero) override;
    bool AjouterElement(std::unique_ptr<TRE_Element> pElement) override;
    std::vector<std::string> ListerNoms(bool bAvecIndex) const override;

    const TRE_ListeElements& Enfants() const noexcept { return m_enfants; }

    // Name lookup shared with the file element: the first token is a name, the second an
    // occurrence number; a field of that name ends the search, tables are counted.
    static TRE_Element* ChercherDans(TRE_ListeElements& enfants, TRE_Jetons& jetons, Cache& cache);
    static TRE_Element* ChercherNomDans(TRE_ListeElements& enfants, const char* pNom,
                                        const char* pNumero, Cache& cache);
    static std::vector<std::string> ListerNomsDe(const TRE_ListeElements& enfants, bool bAvecIndex);
    static void DupliquerDans(const TRE_ListeElements& enfants, TRE_Element& cible);

private:
    // The first field of that name, or the n-th table of that name, or null.
    static TRE_Element* Enfant(TRE_ListeElements& enfants, const char* pNom, int nOccurrence,
                               Cache& cache);

    TRE_ListeElements m_enfants{true};
    Cache m_cache;
};

#endif
