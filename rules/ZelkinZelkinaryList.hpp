// A species library: one file of "data/creatures/", with its sprite sheets, layout and species records.
#pragma once

#include <string>
#include <vector>

class ZelkinZelkinary;
class ZelkinZelkinaryConfig;

class ZelkinZelkinaryList {
public:
    // Takes the next library id (the first library gets 0).
    ZelkinZelkinaryList(const std::string& name, const std::string& code, const std::string& file,
                        const std::string& formFile);
    // Deletes its layout and the records it adopted; the listed records belong to the database.
    virtual ~ZelkinZelkinaryList();

    virtual int getId() const;
    virtual const std::string& getName() const;
    virtual std::string getCode() const;
    virtual std::string getFile() const;
    virtual ZelkinZelkinaryConfig* getConfig() const;
    // The library takes over the layout (a previous one is deleted).
    virtual void setConfig(ZelkinZelkinaryConfig* config);
    virtual std::string getFormFile() const;
    virtual const std::vector<ZelkinZelkinary*>& getSpecies() const;
    // A record whose number is already listed becomes a form of the listed one instead.
    virtual void addSpecies(ZelkinZelkinary* species);
    virtual ZelkinZelkinary* findByNumber(int number) const;
    // Takes ownership of a record that stays out of the database's species list, so that it is released
    // with the library.
    virtual void adoptRecord(ZelkinZelkinary* species);

private:
    ZelkinZelkinaryList(const ZelkinZelkinaryList&) = delete;
    ZelkinZelkinaryList& operator=(const ZelkinZelkinaryList&) = delete;

    int id;
    ZelkinZelkinaryConfig* config = nullptr;
    std::string name;
    std::string code;
    std::string file;
    std::string formFile;
    std::vector<ZelkinZelkinary*> species;
    // The largest number listed in species (meaningless while it is empty).
    int largestNumber = 0;
    std::vector<ZelkinZelkinary*> adopted;
};
