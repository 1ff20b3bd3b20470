// The XML DOM port over the system's COM XML parser (MSXML's DOM document class).
#pragma once

#include "xml/win/com_ptr_win.h"
#include "xml/xml_dom_port.h"

#include <msxml.h>

// Initialises COM for the calling thread while it lives, and balances it only when the
// initialisation succeeded (S_OK or S_FALSE): uninitialising after a refused call would undo
// someone else's initialisation.
class ComInitialization {
  public:
    ComInitialization();
    ~ComInitialization();
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;

  private:
    bool initialized_ = false;
};

// A new DOM document of the system's parser (the version-independent class); null when COM (which
// the caller initialises) cannot make one.
ComPtr<IXMLDOMDocument> CreateDomDocument();

// Sets `document` up for a load: synchronous, white space kept, and reading nothing but the file.
// The document class is MSXML 3's, which by default resolves externals (an external DTD or
// entity, from disk or the network) and validates against the DTD; both are switched off. False
// when a setting is refused.
bool PrepareForLoad(IXMLDOMDocument& document);

class MsxmlDocument : public XmlDomDocument {
  public:
    MsxmlDocument() = default;
    // Nodes handed out must be gone before the document: they hold COM pointers that have to
    // be released while COM is still initialised.
    ~MsxmlDocument() override = default;

    bool Load(const std::wstring& path) override;
    std::unique_ptr<XmlDomNode> DocumentElement() const override;

  private:
    // Declared first so that it is destroyed last, after the document is released.
    ComInitialization com_;
    ComPtr<IXMLDOMDocument> document_;
};
