#include "protect/password_store.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/text_codec.h"
#include "tests/support/latin1_code_page.h"
#include "tests/support/memory_settings.h"

namespace {

// Not cryptography: a deterministic stand-in that depends on every input, so the store's own
// logic can be tested natively. The real PBKDF2 is tested under Wine.
class StandInHasher final : public PasswordHasher {
public:
    int derivations = 0;
    unsigned char nextSalt = 1;

    CryptoBytes RandomBytes(std::size_t count) override {
        return CryptoBytes::Of(std::string(count, static_cast<char>(nextSalt++)));
    }
    CryptoBytes DeriveKey(std::string_view password,
                          std::string_view salt,
                          std::uint32_t iterations,
                          std::size_t keyLength) override {
        ++derivations;
        std::uint64_t state = 1469598103934665603ull ^ iterations;
        auto mix = [&](std::string_view text) {
            for (const char c : text) {
                state = (state ^ static_cast<unsigned char>(c)) * 1099511628211ull;
            }
            state = (state ^ 0xFF) * 1099511628211ull;
        };
        mix(password);
        mix(salt);
        std::string key;
        for (std::size_t i = 0; i < keyLength; ++i) {
            state = (state ^ i) * 1099511628211ull;
            key += static_cast<char>(state >> 56);
        }
        return CryptoBytes::Of(key);
    }
};

class PasswordStoreTest : public ::testing::Test {
protected:
    MemorySettings settings;
    StandInHasher hasher;
    Latin1CodePage codePage;
    PasswordStore store{settings, hasher, codePage};
};

}  // namespace

TEST_F(PasswordStoreTest, NoPasswordMatchesOnlyAnEmptyEntry) {
    EXPECT_FALSE(store.IsSet());
    EXPECT_TRUE(store.Matches(""));
    EXPECT_FALSE(store.Matches("x"));
}

TEST_F(PasswordStoreTest, NewPasswordIsStoredAsASaltedHashOnly) {
    store.Replace("Secret 1");
    const std::string stored = settings.Read("pwhash", "");
    EXPECT_EQ(stored.rfind("pbkdf2-sha256$100000$", 0), 0u) << stored;
    EXPECT_EQ(stored.find("Secret"), std::string::npos);
    EXPECT_FALSE(settings.Has("crpw"));
    EXPECT_TRUE(store.IsSet());

    struct Case {
        const char* entered;
        bool matches;
    };
    const Case cases[] = {
        {"Secret 1", true}, {"secret 1", false}, {"Secret 1 ", false},
        {"", false},        {"Secret", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(store.Matches(c.entered), c.matches) << c.entered;
    }

    // The same password stored again gets a new salt.
    store.Replace("Secret 1");
    EXPECT_NE(settings.Read("pwhash", ""), stored);
    EXPECT_TRUE(store.Matches("Secret 1"));
}

TEST_F(PasswordStoreTest, LegacyPasswordIsAcceptedUntilReplaced) {
    // An older version stored the password's bytes with their top bit flipped.
    settings.Write("crpw", codePage.ToUtf8(ToggleHighBit("Old pw\xE9")));
    EXPECT_TRUE(store.IsSet());
    EXPECT_TRUE(store.Matches("Old pw\xC3\xA9"));
    EXPECT_FALSE(store.Matches("Old pw"));

    store.Replace("New");
    EXPECT_FALSE(settings.Has("crpw"));
    EXPECT_FALSE(store.Matches("Old pw\xC3\xA9"));
    EXPECT_TRUE(store.Matches("New"));
}

TEST_F(PasswordStoreTest, UpgradeTurnsALegacyPasswordIntoItsHash) {
    settings.Write("crpw", codePage.ToUtf8(ToggleHighBit("kept")));
    store.UpgradeLegacy();
    EXPECT_FALSE(settings.Has("crpw"));
    EXPECT_EQ(settings.Read("pwhash", "").rfind("pbkdf2-sha256$", 0), 0u);
    EXPECT_TRUE(store.Matches("kept"));

    const std::string hash = settings.Read("pwhash", "");
    store.UpgradeLegacy();  // nothing left to upgrade: the hash stays as it is
    EXPECT_EQ(settings.Read("pwhash", ""), hash);
}

TEST_F(PasswordStoreTest, EmptyPasswordRemovesItAndThenAnEmptyEntryPasses) {
    store.Replace("Secret");
    store.Replace("");
    EXPECT_FALSE(settings.Has("pwhash"));
    EXPECT_FALSE(store.IsSet());
    EXPECT_TRUE(store.Matches(""));
}

TEST_F(PasswordStoreTest, OnlyTheProgramsOwnHashIsChecked) {
    const std::string salt(32, 'a');
    const std::string key(64, 'b');
    const std::string damaged[] = {
        "pbkdf2-sha256$100000$zz$00",
        "pbkdf2-sha256$0$" + salt + "$" + key,
        "pbkdf2-sha256$0100000$" + salt + "$" + key,     // not as the program writes it
        "pbkdf2-sha256$1000000000$" + salt + "$" + key,  // seconds of hashing per try
        "pbkdf2-sha256$200001$" + salt + "$" + key,
        "pbkdf2-sha256$100000$" + salt.substr(2) + "$" + key,
        "pbkdf2-sha256$100000$" + salt + "$" + key.substr(2),
        "pbkdf2-sha256$100000$" + salt + "$" + key + "$",
        "md5$1$00$00",
        "pbkdf2-sha256$100000$0011",
        "garbage",
    };
    for (const auto& stored : damaged) {
        settings.Write("pwhash", stored);
        EXPECT_EQ(store.Condition(), StoredPassword::Damaged) << stored;
        EXPECT_FALSE(store.Matches("")) << stored;
        EXPECT_FALSE(store.Matches("x")) << stored;
    }
    EXPECT_EQ(hasher.derivations, 0);  // failed closed, without hashing at all

    settings.Write("pwhash", "pbkdf2-sha256$200000$" + salt + "$" + key);
    EXPECT_EQ(store.Condition(), StoredPassword::Readable);
    store.Replace("fine");
    EXPECT_EQ(store.Condition(), StoredPassword::Readable);
    EXPECT_TRUE(store.Matches("fine"));
}

namespace {

// Latin-1 with one hole, as real code pages have: byte 0x81 has no character.
class HoledCodePage final : public CodePage {
public:
    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        return latin1.FromUtf8(utf8);
    }
    std::string ToUtf8(std::string_view bytes) const override {
        std::string text;
        for (const char c : bytes) {
            text += c == '\x81' ? std::string("\xEF\xBF\xBD") : latin1.ToUtf8(std::string(1, c));
        }
        return text;
    }

private:
    Latin1CodePage latin1;
};

}  // namespace

TEST_F(PasswordStoreTest, LegacyPasswordThatCannotBeDecodedOpensNothing) {
    HoledCodePage holed;
    PasswordStore holedStore{settings, hasher, holed};
    struct Case {
        const char* name;
        std::string stored;
    };
    const Case cases[] = {
        {"outside the code page", "\xE2\x82\xAC"},
        {"decodes to a byte with no character", "a\x01"},  // 0x01 decodes to 0x81
    };
    for (const auto& c : cases) {
        settings.Remove("pwhash");
        settings.Write("crpw", c.stored);
        EXPECT_EQ(holedStore.Condition(), StoredPassword::Damaged) << c.name;
        EXPECT_FALSE(holedStore.Matches("")) << c.name;
        EXPECT_FALSE(holedStore.Matches("a")) << c.name;
        holedStore.UpgradeLegacy();  // never turned into an empty password
        EXPECT_EQ(settings.Read("crpw", ""), c.stored) << c.name;
        EXPECT_EQ(settings.Read("pwhash", ""), "") << c.name;
    }
}

TEST_F(PasswordStoreTest, HashIsMadeBeforeAnythingIsWritten) {
    class FailingHasher final : public PasswordHasher {
    public:
        CryptoBytes RandomBytes(std::size_t) override { return CryptoBytes::Failed("no CNG"); }
        CryptoBytes DeriveKey(std::string_view,
                              std::string_view,
                              std::uint32_t,
                              std::size_t) override {
            return CryptoBytes::Failed("no CNG");
        }
    } failing;
    PasswordStore failingStore{settings, failing, codePage};
    settings.Write("crpw", ToggleHighBit("old"));
    const PasswordChange change = failingStore.PlanReplace("new");
    EXPECT_EQ(change.kind, PasswordChange::Kind::Failed);
    EXPECT_EQ(change.failure, "no CNG");
    failingStore.Apply(change);  // a failed plan writes nothing
    EXPECT_EQ(settings.Read("crpw", ""), ToggleHighBit("old"));
    EXPECT_EQ(settings.Read("pwhash", ""), "");
    EXPECT_EQ(failingStore.PlanReplace("").kind, PasswordChange::Kind::Remove);
    // A stored hash cannot be checked without the hasher: nothing matches it.
    StandInHasher working;
    settings.Write("pwhash", *HashPassword("new", working).bytes);
    EXPECT_FALSE(failingStore.Matches("new"));
}

TEST(ConstantTimeEquals, ComparesWholeStrings) {
    EXPECT_TRUE(ConstantTimeEquals("", ""));
    EXPECT_TRUE(ConstantTimeEquals("abc", "abc"));
    EXPECT_FALSE(ConstantTimeEquals("abc", "abd"));
    EXPECT_FALSE(ConstantTimeEquals("abc", "ab"));
    EXPECT_FALSE(ConstantTimeEquals("", std::string_view("\0", 1)));
}
