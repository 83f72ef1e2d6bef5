// A species library: its sprite sheets, layout and the records listed under it.
#include "rules/ZelkinZelkinaryList.hpp"

#include <atomic>

#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryConfig.hpp"

namespace {
// Library ids are handed out from 0 and never reused during a run.
std::atomic<int> nextLibraryId{0};
} // namespace

ZelkinZelkinaryList::ZelkinZelkinaryList(const std::string& name, const std::string& code,
                                         const std::string& file, const std::string& formFile)
    : id(nextLibraryId++), name(name), code(code), file(file), formFile(formFile) {}

ZelkinZelkinaryList::~ZelkinZelkinaryList() {
    for (ZelkinZelkinary* record : adopted)
        delete record;
    delete config;
}

int ZelkinZelkinaryList::getId() const { return id; }
const std::string& ZelkinZelkinaryList::getName() const { return name; }
std::string ZelkinZelkinaryList::getCode() const { return code; }
std::string ZelkinZelkinaryList::getFile() const { return file; }
ZelkinZelkinaryConfig* ZelkinZelkinaryList::getConfig() const { return config; }

void ZelkinZelkinaryList::setConfig(ZelkinZelkinaryConfig* value) {
    if (value == config) return;
    delete config;
    config = value;
}

std::string ZelkinZelkinaryList::getFormFile() const { return formFile; }
const std::vector<ZelkinZelkinary*>& ZelkinZelkinaryList::getSpecies() const { return species; }

void ZelkinZelkinaryList::addSpecies(ZelkinZelkinary* record) {
    if (!record) return;
    const int number = record->getNumber();
    // Files list their species by rising number: one above every listed number needs no search.
    if (species.empty() || number > largestNumber) {
        species.push_back(record);
        largestNumber = number;
        return;
    }
    // Every later record with a listed number hangs under the first one as one of its forms.
    if (ZelkinZelkinary* listed = findByNumber(number)) {
        listed->addForm(record);
        return;
    }
    species.push_back(record);
}

ZelkinZelkinary* ZelkinZelkinaryList::findByNumber(int number) const {
    for (ZelkinZelkinary* record : species)
        if (record->getNumber() == number) return record;
    return nullptr;
}

void ZelkinZelkinaryList::adoptRecord(ZelkinZelkinary* record) {
    if (record) adopted.push_back(record);
}
