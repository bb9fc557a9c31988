// The module exports GetPlugIn and nothing else: the defined symbols of its dynamic symbol table,
// read from the ELF file itself.
#include <elf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The names of the defined symbols in a 64-bit ELF file's dynamic symbol table. Every offset is
// checked against the file's size.
bool DefinedDynamicSymbols(const std::string& path, std::vector<std::string>* names) {
  std::ifstream in(path, std::ios::binary);
  std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto fits = [&file](uint64_t offset, uint64_t size) {
    return offset <= file.size() && size <= file.size() - offset;
  };
  if (!fits(0, sizeof(Elf64_Ehdr))) return false;
  const auto* header = reinterpret_cast<const Elf64_Ehdr*>(file.data());
  if (std::string(reinterpret_cast<const char*>(header->e_ident), 4) != ELFMAG ||
      header->e_ident[EI_CLASS] != ELFCLASS64 || header->e_shentsize != sizeof(Elf64_Shdr) ||
      !fits(header->e_shoff, uint64_t{header->e_shnum} * sizeof(Elf64_Shdr))) {
    return false;
  }
  const auto* sections = reinterpret_cast<const Elf64_Shdr*>(file.data() + header->e_shoff);
  for (int i = 0; i < header->e_shnum; ++i) {
    const Elf64_Shdr& symbols = sections[i];
    if (symbols.sh_type != SHT_DYNSYM || symbols.sh_link >= header->e_shnum) continue;
    const Elf64_Shdr& strings = sections[symbols.sh_link];
    if (!fits(symbols.sh_offset, symbols.sh_size) || !fits(strings.sh_offset, strings.sh_size)) {
      return false;
    }
    const auto* first = reinterpret_cast<const Elf64_Sym*>(file.data() + symbols.sh_offset);
    for (size_t s = 0; s < symbols.sh_size / sizeof(Elf64_Sym); ++s) {
      if (first[s].st_shndx == SHN_UNDEF || first[s].st_name >= strings.sh_size) continue;
      const char* name = file.data() + strings.sh_offset + first[s].st_name;
      names->emplace_back(name, strnlen(name, strings.sh_size - first[s].st_name));
    }
    return true;
  }
  return false;
}

TEST(ExportedSymbolsTest, TheModuleExportsOnlyGetPlugIn) {
  std::vector<std::string> names;
  ASSERT_TRUE(DefinedDynamicSymbols(VANTELLE_MODULE_PATH, &names));
  EXPECT_EQ(names, std::vector<std::string>{"GetPlugIn"});
}

}  // namespace
