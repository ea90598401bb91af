#include "TRE_Groupe.h"

#include "TRE_Texte.h"

#include <cstring>

TRE_Groupe::TRE_Groupe() : TRE_Element(Groupe), KIT_SafeObject("TRE_Groupe") {}

void TRE_Groupe::Ecrire(std::FILE* pFichier) const
{
    for (TRE_ListeElements::Node* pNoeud = m_enfants.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        if (!pNoeud->Item())
            continue;
        pNoeud->Item()->Ecrire(pFichier);
        std::fputs(pNoeud->Item()->GetType() == Table ? "\n" : ";\n", pFichier);
    }
}

void TRE_Groupe::EcrireXml(std::ostream& flux, int nNiveau) const
{
    for (TRE_ListeElements::Node* pNoeud = m_enfants.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        if (pNoeud->Item())
            pNoeud->Item()->EcrireXml(flux, nNiveau);
    }
}

void TRE_Groupe::EcrireAttribut(std::ostream& flux) const
{
    for (TRE_ListeElements::Node* pNoeud = m_enfants.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        if (pNoeud->Item())
            pNoeud->Item()->EcrireAttribut(flux);
    }
}

std::unique_ptr<TRE_Element> TRE_Groupe::Dupliquer() const
{
    auto pCopie = std::make_unique<TRE_Groupe>();
    DupliquerDans(m_enfants, *pCopie);
    return pCopie;
}

void TRE_Groupe::Liberer()
{
    m_cache.Oublier();
    m_enfants.RemoveAll();
}

TRE_Element* TRE_Groupe::ChercherJetons(TRE_Jetons& jetons)
{
    if (jetons.Count() == 0)
        return this;
    return ChercherDans(m_enfants, jetons, m_cache);
}

bool TRE_Groupe::AjouterElement(std::unique_ptr<TRE_Element> pElement)
{
    if (!pElement)
        return false;
    m_enfants.Append(pElement.release());
    m_cache.Ajoute(m_enfants);
    return true;
}

std::vector<std::string> TRE_Groupe::ListerNoms(bool bAvecIndex) const
{
    return ListerNomsDe(m_enfants, bAvecIndex);
}

TRE_Element* TRE_Groupe::ChercherNom(const char* pNom, const char* pNumero)
{
    return ChercherNomDans(m_enfants, pNom, pNumero, m_cache);
}

TRE_Element* TRE_Groupe::Enfant(TRE_ListeElements& enfants, const char* pNom, int nOccurrence,
                                Cache& cache)
{
    bool bIndexe = false;
    if (const Cache::Entree* pEntree = cache.Chercher(pNom, bIndexe))
        return pEntree->Enfant(nOccurrence);
    if (bIndexe)
        return nullptr;
    int nVues = 0;
    for (TRE_ListeElements::Node* pNoeud = enfants.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        TRE_Element* pEnfant = pNoeud->Item();
        if (!pEnfant || !pEnfant->EstNomme(pNom))
            continue;
        if (pEnfant->GetType() == Champ)
            return pEnfant;
        if (pEnfant->GetType() != Table)
            continue;
        if (nOccurrence < 1)
            return nullptr;
        if (++nVues == nOccurrence)
            return pEnfant;
    }
    return nullptr;
}

TRE_Element* TRE_Groupe::ChercherDans(TRE_ListeElements& enfants, TRE_Jetons& jetons, Cache& cache)
{
    if (jetons.Count() == 0)
        return nullptr;
    const int nOccurrence =
        jetons.Count() >= 2 ? ValeurDecimale(jetons.First()->Next()->Text()) : 0;
    TRE_Element* pEnfant = Enfant(enfants, jetons.First()->Text(), nOccurrence, cache);
    if (!pEnfant)
        return nullptr;
    jetons.RemoveFirst();
    if (pEnfant->GetType() == Table)
        jetons.RemoveFirst();
    return pEnfant->ChercherJetons(jetons);
}

TRE_Element* TRE_Groupe::ChercherNomDans(TRE_ListeElements& enfants, const char* pNom,
                                         const char* pNumero, Cache& cache)
{
    const int nOccurrence = pNumero ? ValeurDecimale(pNumero) : 0;
    TRE_Element* pEnfant = Enfant(enfants, pNom, nOccurrence, cache);
    if (!pEnfant || pEnfant->GetType() == Table || !pNumero)
        return pEnfant;
    // A field given a number passes it on to its value.
    TRE_Jetons reste;
    reste.Append(TRE_CopierTexte(pNumero).release());
    return pEnfant->ChercherJetons(reste);
}

std::vector<std::string> TRE_Groupe::ListerNomsDe(const TRE_ListeElements& enfants, bool bAvecIndex)
{
    std::vector<std::string> noms;
    const char* pPrecedent = nullptr;
    int nRang = 0;
    for (TRE_ListeElements::Node* pNoeud = enfants.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        const TRE_Element* pEnfant = pNoeud->Item();
        const std::int16_t nType = pEnfant ? pEnfant->GetType() : -1;
        if ((nType == Champ || nType == Table) && pEnfant->Nom())
        {
            const char* pNom = pEnfant->Nom();
            nRang = pPrecedent && std::strcmp(pPrecedent, pNom) == 0 ? nRang + 1 : 1;
            pPrecedent = pNom;
            noms.push_back(bAvecIndex ? std::string(pNom) + '[' + std::to_string(nRang) + ']'
                                      : std::string(pNom));
            continue;
        }
        if (nType == Groupe)
        {
            std::vector<std::string> sousNoms = pEnfant->ListerNoms(bAvecIndex);
            noms.insert(noms.end(), sousNoms.begin(), sousNoms.end());
        }
        pPrecedent = nullptr;
    }
    return noms;
}

void TRE_Groupe::DupliquerDans(const TRE_ListeElements& enfants, TRE_Element& cible)
{
    for (TRE_ListeElements::Node* pNoeud = enfants.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        if (pNoeud->Item())
            cible.AjouterElement(pNoeud->Item()->Dupliquer());
    }
}

void TRE_Groupe::Cache::Ajoute(const TRE_ListeElements& enfants)
{
    if (m_pIndex)
        Indexer(enfants.Last());
    else if (enfants.Count() > kSeuilIndex)
    {
        m_pIndex = std::make_unique<std::unordered_map<std::string, Entree>>();
        for (TRE_ListeElements::Node* pEnfant = enfants.First(); pEnfant; pEnfant = pEnfant->Next())
            Indexer(pEnfant);
    }
}

void TRE_Groupe::Cache::Oublier()
{
    m_pIndex.reset();
}

const TRE_Groupe::Cache::Entree* TRE_Groupe::Cache::Chercher(const char* pTexte,
                                                             bool& bIndexe) const
{
    bIndexe = m_pIndex != nullptr;
    if (!m_pIndex)
        return nullptr;
    const auto trouve = m_pIndex->find(pTexte);
    return trouve == m_pIndex->end() ? nullptr : &trouve->second;
}

// Only fields and tables answer to a name.
void TRE_Groupe::Cache::Indexer(TRE_ListeElements::Node* pNoeudEnfant)
{
    const TRE_Element* pEnfant = pNoeudEnfant->Item();
    if (!pEnfant || !pEnfant->Nom() || (pEnfant->GetType() != Champ && pEnfant->GetType() != Table))
        return;
    Entree& entree = (*m_pIndex)[pEnfant->Nom()];
    if (pEnfant->GetType() == Table)
    {
        entree.tables.push_back(pNoeudEnfant);
        if (!entree.pChamp)
            ++entree.nTablesAvantChamp;
    }
    else if (!entree.pChamp)
        entree.pChamp = pNoeudEnfant;
}

// As the walk over the children: a field ends it, tables are counted until the n-th.
TRE_Element* TRE_Groupe::Cache::Entree::Enfant(int nOccurrence) const
{
    if (nOccurrence < 1)
        return pChamp && nTablesAvantChamp == 0 ? pChamp->Item() : nullptr;
    const auto nRang = static_cast<std::size_t>(nOccurrence);
    if (pChamp && nRang > nTablesAvantChamp)
        return pChamp->Item();
    if (nRang > tables.size())
        return nullptr;
    return tables[nRang - 1]->Item();
}
