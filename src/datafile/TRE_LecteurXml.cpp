#include "TRE_LecteurXml.h"

#include "TRE_Champ.h"
#include "TRE_Groupe.h"
#include "TRE_Table.h"
#include "TRE_Tableau.h"
#include "TRE_Texte.h"
#include "TRE_ValeurSimple.h"

#include <expat.h>

#include <cstdio>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace
{
void XMLCALL SurDebut(void* pDonnees, const XML_Char* pNom, const XML_Char** ppAttributs)
{
    static_cast<TRE_LecteurXml*>(pDonnees)->DebutElement(pNom, ppAttributs);
}

void XMLCALL SurFin(void* pDonnees, const XML_Char* pNom)
{
    static_cast<TRE_LecteurXml*>(pDonnees)->FinElement(pNom);
}

void XMLCALL SurTexte(void* pDonnees, const XML_Char* pTexte, int nLongueur)
{
    static_cast<TRE_LecteurXml*>(pDonnees)->Caracteres(pTexte, nLongueur);
}

struct LibererParseur
{
    void operator()(XML_ParserStruct* pParseur) const { XML_ParserFree(pParseur); }
};

struct FermerFichier
{
    void operator()(std::FILE* pFichier) const { std::fclose(pFichier); }
};

const char* TexteDe(const TRE_Element* pElement)
{
    const char* pTexte = pElement->Valeur();
    return pTexte ? pTexte : "";
}

bool EstValeur(const TRE_Element* pElement)
{
    return pElement && pElement->GetType() <= TRE_Element::ValeurAppel;
}

std::string Format(const char* pFormat, const char* pTexte, long nNombre = 0)
{
    const int nTaille = std::snprintf(nullptr, 0, pFormat, pTexte, nNombre);
    std::string texte(static_cast<std::size_t>(nTaille > 0 ? nTaille : 0), '\0');
    std::snprintf(texte.data(), texte.size() + 1, pFormat, pTexte, nNombre);
    return texte;
}

// Answers "Chercher of the bare name" on a container being filled, as the lookup itself
// would: the first attribute field of that name, else the first child of that name when it
// is a field. Names that are not a single path token go to the real lookup.
class PremiersNoms
{
public:
    explicit PremiersNoms(TRE_Table& conteneur) : m_conteneur(conteneur)
    {
        if (conteneur.GetAttributs())
            Noter(conteneur.GetAttributs()->Enfants(), true);
        if (conteneur.GetContenu() && conteneur.GetContenu()->GetType() == TRE_Element::Groupe)
            Noter(static_cast<TRE_Groupe*>(conteneur.GetContenu())->Enfants(), false);
    }

    TRE_Element* Chercher(const char* pNom)
    {
        if (!TRE_Element::EstJetonSimple(pNom))
            return m_conteneur.Chercher(pNom);
        const auto trouve = m_premiers.find(pNom);
        if (trouve == m_premiers.end() || trouve->second->GetType() != TRE_Element::Champ)
            return nullptr;
        return trouve->second;
    }

    void Ajoute(TRE_Element* pEnfant)
    {
        const char* pNom = pEnfant->Nom();
        // Children of one name usually follow each other: only the first of a run can be new.
        if (!pNom || (m_pDernier && std::strcmp(m_pDernier, pNom) == 0))
            return;
        m_pDernier = pNom;
        m_premiers.emplace(pNom, pEnfant);
    }

private:
    void Noter(const TRE_ListeElements& enfants, bool bChampsSeuls)
    {
        for (TRE_ListeElements::Node* pNoeud = enfants.First(); pNoeud; pNoeud = pNoeud->Next())
        {
            TRE_Element* pEnfant = pNoeud->Item();
            if (pEnfant && (!bChampsSeuls || pEnfant->GetType() == TRE_Element::Champ))
                Ajoute(pEnfant);
        }
    }

    TRE_Table& m_conteneur;
    std::unordered_map<std::string_view, TRE_Element*> m_premiers;
    const char* m_pDernier = nullptr;
};
} // namespace

std::unique_ptr<TRE_Element> TRE_LecteurXml::Lire(const char* pChemin)
{
    std::unique_ptr<XML_ParserStruct, LibererParseur> pParseur(XML_ParserCreate(nullptr));
    if (!pParseur)
    {
        m_nErreur = Syntaxe;
        m_message = Format("%s at line %ld", XML_ErrorString(XML_ERROR_NO_MEMORY), 0);
        return nullptr;
    }
    XML_SetElementHandler(pParseur.get(), SurDebut, SurFin);
    XML_SetCharacterDataHandler(pParseur.get(), SurTexte);
    XML_SetUserData(pParseur.get(), this);
    m_pParseur = pParseur.get();

    std::unique_ptr<std::FILE, FermerFichier> pFichier(pChemin ? std::fopen(pChemin, "rt")
                                                               : nullptr);
    if (!pFichier)
    {
        m_nErreur = Ouverture;
        m_message = Format("Could not open file %s", pChemin ? pChemin : "");
        return nullptr;
    }
    if (!Analyser(pFichier.get(), pParseur.get(), pChemin))
        return nullptr;
    ViderTexte();
    if (m_pile.Count() != 1)
    {
        m_nErreur = Structure;
        m_message = "Error in XML structure";
        return nullptr;
    }
    std::unique_ptr<TRE_Element> pRacine(m_pile.First()->Detach());
    m_pile.RemoveFirst();
    return pRacine;
}

bool TRE_LecteurXml::Analyser(std::FILE* pFichier, XML_ParserStruct* pParseur, const char* pChemin)
{
    // The parser scans an unfinished token again with every block: a block that brought no
    // event at all doubles the next one, so that one huge attribute costs a few passes instead
    // of one per block. Otherwise blocks stay small, and so does the memory they take.
    constexpr std::size_t kTailleBlocCourant = 64 * 1024;
    constexpr std::size_t kTailleBlocMax = 16 * 1024 * 1024;
    std::vector<char> bloc(kTailleBloc);
    for (;;)
    {
        const long nEvenements = m_nEvenements;
        const std::size_t nLus = std::fread(bloc.data(), 1, bloc.size(), pFichier);
        const bool bFinal = nLus < bloc.size();
        if (bFinal && std::ferror(pFichier))
        {
            m_nErreur = Ouverture;
            m_message = Format("Could not read file %s", pChemin);
            return false;
        }
        if (XML_Parse(pParseur, bloc.data(), static_cast<int>(nLus), bFinal) == XML_STATUS_ERROR)
        {
            const long nLigne = static_cast<long>(XML_GetCurrentLineNumber(pParseur));
            if (m_bTropProfond)
            {
                m_nErreur = TropProfond;
                m_message = Format("Elements nested more than %s levels deep at line %ld",
                                   std::to_string(kProfondeurMax).c_str(), nLigne);
            }
            else
            {
                m_nErreur = Syntaxe;
                m_message =
                    Format("%s at line %ld", XML_ErrorString(XML_GetErrorCode(pParseur)), nLigne);
            }
            return false;
        }
        if (bFinal)
            return true;
        const bool bBloque = m_nEvenements == nEvenements;
        if (bloc.size() < kTailleBlocCourant || (bBloque && bloc.size() < kTailleBlocMax))
            bloc.resize(bloc.size() * 2);
    }
}

void TRE_LecteurXml::DebutElement(const char* pNom, const char** ppAttributs)
{
    ++m_nEvenements;
    ViderTexte();
    if (++m_nProfondeur > kProfondeurMax)
    {
        m_bTropProfond = true;
        XML_StopParser(m_pParseur, XML_FALSE);
        return;
    }
    m_nom.clear();
    TRE_Utf8VersLocal(pNom, std::strlen(pNom), m_nom);
    std::unique_ptr<TRE_Element> pElement;
    if (ppAttributs && ppAttributs[0])
        pElement = std::make_unique<TRE_Table>(m_nom.c_str(), TRE_Attributs::Depuis(ppAttributs));
    else
        pElement = std::make_unique<TRE_Champ>(m_nom.c_str(), nullptr);
    m_ouverts.push_back(pElement.get());
    m_pile.InsertFirst(pElement.release());
}

void TRE_LecteurXml::Caracteres(const char* pTexte, int nLongueur)
{
    ++m_nEvenements;
    TRE_Element* pSommet = m_pile.First() ? m_pile.First()->Item() : nullptr;
    if (EstValeur(pSommet))
    {
        if (pSommet != m_pTexteEnCours)
        {
            ViderTexte();
            m_pTexteEnCours = static_cast<TRE_ValeurSimple*>(pSommet);
            m_texte = TexteDe(pSommet);
        }
        TRE_Utf8VersLocal(pTexte, static_cast<std::size_t>(nLongueur), m_texte);
        return;
    }
    // White space is ASCII, so it can be skipped before converting.
    int nDebut = 0;
    while (nDebut < nLongueur && TRE_EstBlanc(pTexte[nDebut]))
        ++nDebut;
    if (nDebut == nLongueur)
        return;
    ViderTexte();
    auto pValeur = std::make_unique<TRE_ValeurSimple>(std::string(), TRE_Element::ValeurTexte);
    m_pTexteEnCours = pValeur.get();
    m_texte.clear();
    TRE_Utf8VersLocal(pTexte + nDebut, static_cast<std::size_t>(nLongueur - nDebut), m_texte);
    m_pile.InsertFirst(pValeur.release());
}

void TRE_LecteurXml::FinElement(const char* /*pNom*/)
{
    ++m_nEvenements;
    ViderTexte();
    --m_nProfondeur;

    // The parser checks that tags nest, so the end tag closes the innermost open element.
    // Searching by name instead would stop at a closed child of the same name.
    TRE_Element* pOuvert = m_ouverts.empty() ? nullptr : m_ouverts.back();
    if (pOuvert)
        m_ouverts.pop_back();
    int nPosition = 1;
    TRE_ListeElements::Node* pNoeud = m_pile.First();
    for (; pNoeud && pOuvert; pNoeud = pNoeud->Next(), ++nPosition)
    {
        if (pNoeud->Item() == pOuvert)
            break;
    }
    if (!pNoeud || !pOuvert)
    {
        m_pile.Append(new TRE_Champ("", nullptr));
        return;
    }
    TRE_Element* pTrouve = pNoeud->Item();
    if (nPosition == 1 && pTrouve->GetType() == TRE_Element::Champ)
    {
        static_cast<TRE_Champ*>(pTrouve)->SetValeur(
            std::make_unique<TRE_ValeurSimple>(std::string(), TRE_Element::ValeurTexte));
        return;
    }
    if (nPosition == 2 && EstValeur(m_pile.First()->Item()))
    {
        std::unique_ptr<TRE_Element> pValeur(m_pile.First()->Detach());
        m_pile.RemoveFirst();
        const char* pTexte = TexteDe(pValeur.get());
        std::size_t nFin = std::strlen(pTexte);
        while (nFin > 0 && TRE_EstBlanc(pTexte[nFin - 1]))
            --nFin;
        static_cast<TRE_ValeurSimple&>(*pValeur).SetTexte(std::string(pTexte, nFin));
        if (pTrouve->GetType() == TRE_Element::Champ)
            static_cast<TRE_Champ*>(pTrouve)->SetValeur(std::move(pValeur));
        else
            pTrouve->AjouterElement(std::move(pValeur)); // text beside attributes: kept as content
        return;
    }

    if (nPosition == 1 && pTrouve->GetType() == TRE_Element::Table)
        return; // a table without children: nothing to move
    // The elements above the match, oldest first.
    std::vector<std::unique_ptr<TRE_Element>> enfants(static_cast<std::size_t>(nPosition - 1));
    TRE_ListeElements::Node* pDessus = m_pile.First();
    for (int n = nPosition - 2; n >= 0; --n, pDessus = pDessus->Next())
        enfants[static_cast<std::size_t>(n)].reset(pDessus->Detach());
    for (int n = 1; n < nPosition; ++n)
        m_pile.RemoveFirst();

    if (pTrouve->GetType() == TRE_Element::Fichier)
    {
        std::unique_ptr<TRE_Element> pFichier(m_pile.First()->Detach());
        m_pile.RemoveFirst();
        m_pile.Append(pFichier.release());
        return;
    }
    if (pTrouve->GetType() == TRE_Element::Champ)
    {
        pTrouve = new TRE_Table(pTrouve->Nom(), nullptr);
        m_pile.SetAt(pTrouve, 1);
    }
    RangerDans(static_cast<TRE_Table&>(*pTrouve), enfants);
}

void TRE_LecteurXml::RangerDans(TRE_Table& conteneur,
                                std::vector<std::unique_ptr<TRE_Element>>& enfants)
{
    PremiersNoms premiers(conteneur);
    for (std::unique_ptr<TRE_Element>& pEnfant : enfants)
    {
        const std::int16_t nType = pEnfant->GetType();
        if (EstValeur(pEnfant.get()))
        {
            Deposer(std::move(pEnfant)); // text beside child elements
            continue;
        }
        TRE_Element* pTrouve = (nType == TRE_Element::Champ || nType == TRE_Element::Table)
                                   ? premiers.Chercher(pEnfant->Nom())
                                   : nullptr;
        if (nType == TRE_Element::Champ && pTrouve)
        {
            // The name may stand for a table already: then the field goes beside it.
            auto* pChamp = pTrouve->GetType() == TRE_Element::Champ
                               ? static_cast<TRE_Champ*>(pTrouve)
                               : nullptr;
            TRE_Element* pValeur = pChamp ? pChamp->GetValeur() : nullptr;
            if (EstValeur(pValeur))
            {
                auto pTableau = std::make_unique<TRE_Tableau>();
                pTableau->AjouterElement(pChamp->PrendreValeur());
                pChamp->SetValeur(std::move(pTableau));
                pValeur = pChamp->GetValeur();
            }
            if (pValeur && pValeur->GetType() == TRE_Element::Tableau)
                pValeur->AjouterElement(static_cast<TRE_Champ&>(*pEnfant).PrendreValeur());
            else
                Deposer(std::move(pEnfant));
            continue;
        }
        if (nType == TRE_Element::Table && pTrouve && pTrouve->GetType() == TRE_Element::Champ)
        {
            Deposer(std::move(pEnfant)); // one name used for a field and for a table
            continue;
        }
        TRE_Element* pAjoute = pEnfant.get();
        conteneur.AjouterElement(std::move(pEnfant));
        premiers.Ajoute(pAjoute);
    }
}

void TRE_LecteurXml::Deposer(std::unique_ptr<TRE_Element> pElement)
{
    m_pile.Append(pElement.release());
}

void TRE_LecteurXml::ViderTexte()
{
    if (!m_pTexteEnCours)
        return;
    m_pTexteEnCours->SetTexte(m_texte);
    m_pTexteEnCours = nullptr;
    m_texte.clear();
}
