#ifndef TRE_GROUPE_H
#define TRE_GROUPE_H

#include "KIT_SafeObject.h"
#include "TRE_Element.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// An ordered group of elements: the content of a table, an attribute list, or a {...} of
// the text format.
class TRE_Groupe : public TRE_Element, public KIT_SafeObject
{
public:
    // Groups with many children index them by name: the tables of each name in order and
    // the first field, so that any occurrence of a name is found in constant time.
    class Cache
    {
    public:
        static constexpr int kSeuilIndex = 32;

        // The child just appended at the end of the list.
        void Ajoute(const TRE_ListeElements& enfants);
        // The children are gone.
        void Oublier();

        struct Entree
        {
            std::vector<TRE_ListeElements::Node*> tables;
            TRE_ListeElements::Node* pChamp = nullptr;
            // Tables of the name before its first field: those are all a lookup can reach.
            std::size_t nTablesAvantChamp = 0;

            // The first field of the name, or the n-th table, or null.
            TRE_Element* Enfant(int nOccurrence) const;
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
