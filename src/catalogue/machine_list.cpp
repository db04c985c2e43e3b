#include "catalogue/machine_list.h"

#include <expat.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "store/text_utils.h"

namespace quorvex::catalogue {

namespace {

class MachineListParser {
public:
    explicit MachineListParser(const std::function<void(Machine&&)>& onMachine)
        : m_parser(XML_ParserCreate(nullptr)), m_onMachine(onMachine) {
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, &MachineListParser::Start, &MachineListParser::End);
        XML_SetCharacterDataHandler(m_parser, &MachineListParser::Text);
    }
    ~MachineListParser() { XML_ParserFree(m_parser); }
    MachineListParser(const MachineListParser&) = delete;
    MachineListParser& operator=(const MachineListParser&) = delete;

    bool Feed(const char* data, std::size_t size, bool last) {
        return XML_Parse(m_parser, data, static_cast<int>(size), last ? 1 : 0) != XML_STATUS_ERROR;
    }

private:
    enum class TextField { None, Description, Year, Manufacturer };

    static const char* Attribute(const XML_Char** attributes, const char* name) {
        for (std::size_t i = 0; attributes[i] != nullptr; i += 2) {
            if (std::strcmp(attributes[i], name) == 0) {
                return attributes[i + 1];
            }
        }
        return nullptr;
    }
    static std::string AttributeText(const XML_Char** attributes, const char* name) {
        const char* value = Attribute(attributes, name);
        return value == nullptr ? std::string() : std::string(value);
    }
    static bool IsYes(const XML_Char** attributes, const char* name, bool otherwise) {
        const char* value = Attribute(attributes, name);
        return value == nullptr ? otherwise : std::strcmp(value, "yes") == 0;
    }

    static void Start(void* self, const XML_Char* element, const XML_Char** attributes) {
        static_cast<MachineListParser*>(self)->OnStart(element, attributes);
    }
    static void End(void* self, const XML_Char* element) {
        static_cast<MachineListParser*>(self)->OnEnd(element);
    }
    static void Text(void* self, const XML_Char* text, int length) {
        auto* parser = static_cast<MachineListParser*>(self);
        if (parser->m_field != TextField::None) {
            parser->m_text.append(text, static_cast<std::size_t>(length));
        }
    }

    void OnStart(const char* element, const XML_Char** attributes) {
        if (std::strcmp(element, "machine") == 0 || std::strcmp(element, "game") == 0) {
            m_machine = Machine();
            m_inMachine = true;
            m_machine.name = store::ToLowerAscii(AttributeText(attributes, "name"));
            m_machine.cloneOf = store::ToLowerAscii(AttributeText(attributes, "cloneof"));
            m_machine.romOf = store::ToLowerAscii(AttributeText(attributes, "romof"));
            m_machine.isBios = IsYes(attributes, "isbios", false);
            m_machine.isDevice = IsYes(attributes, "isdevice", false);
            m_machine.runnable = IsYes(attributes, "runnable", true);
            return;
        }
        if (!m_inMachine) {
            return;
        }
        if (std::strcmp(element, "description") == 0) {
            StartText(TextField::Description);
        } else if (std::strcmp(element, "year") == 0) {
            StartText(TextField::Year);
        } else if (std::strcmp(element, "manufacturer") == 0) {
            StartText(TextField::Manufacturer);
        } else if (std::strcmp(element, "rom") == 0) {
            // A ROM nobody has dumped cannot be in any zip.
            if (AttributeText(attributes, "status") == "nodump") {
                return;
            }
            m_machine.roms.push_back(NeededRom{AttributeText(attributes, "name"),
                                               AttributeText(attributes, "size"),
                                               store::ToLowerAscii(AttributeText(attributes, "crc")),
                                               AttributeText(attributes, "merge"),
                                               Attribute(attributes, "bios") != nullptr});
        } else if (std::strcmp(element, "sample") == 0) {
            m_machine.samples.push_back(AttributeText(attributes, "name"));
        } else if (std::strcmp(element, "chip") == 0) {
            const std::string type = AttributeText(attributes, "type");
            std::string name = AttributeText(attributes, "name");
            if (type == "cpu") {
                m_machine.cpus.push_back(std::move(name));
            } else if (type == "audio" && name != "Speaker") {
                m_machine.soundChips.push_back(std::move(name));
            }
        }
    }

    void StartText(TextField field) {
        m_field = field;
        m_text.clear();
    }

    void OnEnd(const char* element) {
        if (m_field != TextField::None) {
            switch (m_field) {
                case TextField::Description:
                    m_machine.description = m_text;
                    break;
                case TextField::Year:
                    m_machine.year = m_text;
                    break;
                case TextField::Manufacturer:
                    m_machine.manufacturer = m_text;
                    break;
                case TextField::None:
                    break;
            }
            m_field = TextField::None;
            return;
        }
        if (m_inMachine &&
            (std::strcmp(element, "machine") == 0 || std::strcmp(element, "game") == 0)) {
            m_inMachine = false;
            m_onMachine(std::move(m_machine));
        }
    }

    XML_Parser m_parser;
    const std::function<void(Machine&&)>& m_onMachine;
    Machine m_machine;
    bool m_inMachine = false;
    TextField m_field = TextField::None;
    std::string m_text;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool ReadMachineListFile(const std::string& path,
                         const std::function<void(Machine&&)>& onMachine) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    MachineListParser parser(onMachine);
    std::vector<char> buffer(1 << 16);
    while (true) {
        const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file.get());
        const bool last = read < buffer.size();
        if (!parser.Feed(buffer.data(), read, last)) {
            return false;
        }
        if (last) {
            return std::ferror(file.get()) == 0;
        }
    }
}

bool ReadMachineListText(std::string_view text, const std::function<void(Machine&&)>& onMachine) {
    MachineListParser parser(onMachine);
    return parser.Feed(text.data(), text.size(), true);
}

}  // namespace quorvex::catalogue
