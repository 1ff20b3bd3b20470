// The XML DOM port over libxml2, for the host build. It keeps what MSXML with white space
// preserved keeps: every text node as loaded, CDATA sections as text, comments and processing
// instructions as other nodes. Predefined and numeric character references are replaced; no
// DTD or external entity is ever loaded and nothing is fetched from the network.
#pragma once

#include "xml/xml_dom_port.h"

#include <memory>
#include <string>

struct _xmlDoc;

class Libxml2Document : public XmlDomDocument {
  public:
    bool Load(const std::wstring& path) override;
    std::unique_ptr<XmlDomNode> DocumentElement() const override;

  private:
    // Shared with every node handed out, so that a node stays valid after the document goes.
    std::shared_ptr<_xmlDoc> document_;
};
