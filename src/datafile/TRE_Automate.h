#ifndef TRE_AUTOMATE_H
#define TRE_AUTOMATE_H

#include "KIT_SafeObject.h"
#include "TRE_Arene.h"
#include "TRE_Element.h"

#include <cstdint>
#include <memory>
#include <string>

// One element tree and the outcome of the last attempt to fill it, from XML or from the
// brace text format.
class TRE_Automate : public KIT_SafeObject
{
public:
    static constexpr std::size_t kLongueurMessage = 1023;

    TRE_Automate() noexcept : KIT_SafeObject("TRE_Automate") {}
    ~TRE_Automate() override;
    TRE_Automate(const TRE_Automate&) = delete;
    TRE_Automate& operator=(const TRE_Automate&) = delete;

    // Fills the root from an XML file; a failure keeps the earlier root.
    bool LoadXml(const char* pChemin);
    // Fills the root from a file in the brace text format; a failure leaves no root.
    bool LoadText(const char* pChemin);
    // Prints the root in the brace text format.
    bool SaveFile(const char* pChemin) const;

    std::int16_t GetErrorCode() const noexcept { return m_nErreur; }
    const std::string& GetMessage() const noexcept { return m_message; }
    TRE_Element* GetRoot() const noexcept { return m_pRacine.get(); }

    // Keeps the code and the message, cut to kLongueurMessage characters.
    void DefinirErreur(std::int16_t nCode, std::string message);

private:
    void LibererRacine();

    // Replaces the root by a tree built in its own arena; the old tree goes first.
    void Adopter(std::unique_ptr<TRE_Element> pRacine, std::unique_ptr<TRE_Arene> pArene);
    // Reads a file with the given reader into a fresh arena; the root is replaced only on
    // success.
    template <class Lecteur> bool Charger(const char* pChemin);

    std::int16_t m_nErreur = 0;
    std::string m_message;
    std::unique_ptr<TRE_Arene> m_pArene; // holds the root's elements: it outlives the root
    std::unique_ptr<TRE_Element> m_pRacine;
};

#endif
