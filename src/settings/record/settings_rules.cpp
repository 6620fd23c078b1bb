#include "settings/record/settings_rules.h"

namespace velquin {
bool inUse(const InstallSettings& s, OptionalPart part) {
  const PartInfo* p = partInfo(part);
  if (!p) return true;
  // A text of blanks counts as given.
  if (p->decidedBy.kind == FieldKind::Text) return !s.text(p->decidedBy.text()).empty();
  return s.code(p->decidedBy.choice()) != kNotUsedCode;
}

bool isWritten(const InstallSettings& s, Section section) {
  switch (kSections[static_cast<std::size_t>(section)].presence) {
    case SectionPresence::Always: return true;
    case SectionPresence::WhileUninstallUsed: return inUse(s, OptionalPart::Uninstall);
    case SectionPresence::WhileListHasLines:
      for (const FieldInfo& f : kFields)
        if (f.section == section && f.field.kind == FieldKind::Lines)
          return !s.lines(f.field.list()).empty();
      return false;
  }
  return false;
}

bool isWritten(const InstallSettings& s, FieldRef field) {
  const FieldInfo& f = fieldInfo(field);
  return isWritten(s, f.section) && inUse(s, f.part);
}

bool isEditable(const InstallSettings& s, FieldRef field) {
  const FieldInfo& f = fieldInfo(field);
  const PartInfo* p = partInfo(f.part);
  return !p || p->decidedBy == field || inUse(s, f.part);
}

std::vector<const SectionInfo*> writtenSections(const InstallSettings& s) {
  std::vector<const SectionInfo*> sections;
  for (const SectionInfo& section : kSections)
    if (isWritten(s, section.section)) sections.push_back(&section);
  return sections;
}

std::vector<const FieldInfo*> writtenFields(const InstallSettings& s, Section section) {
  std::vector<const FieldInfo*> fields;
  for (const FieldInfo& info : kFields)
    if (info.section == section && isWritten(s, info.field)) fields.push_back(&info);
  return fields;
}

}  // namespace velquin
