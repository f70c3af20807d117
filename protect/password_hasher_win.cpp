#include "protect/password_hasher_win.h"

#include <windows.h>

#include <bcrypt.h>

#include <utility>

#include "platform/unique_resource_win.h"

namespace {

// bcrypt.dll is loaded on first use: most starts never check a password, and the library
// brings the system's cryptography with it.
struct Cng {
    decltype(&::BCryptOpenAlgorithmProvider) openAlgorithm = nullptr;
    decltype(&::BCryptCloseAlgorithmProvider) closeAlgorithm = nullptr;
    decltype(&::BCryptGenRandom) genRandom = nullptr;
    decltype(&::BCryptDeriveKeyPBKDF2) deriveKey = nullptr;

    // Null when the system has no such cryptography.
    static const Cng* Get() {
        static const Cng cng = Load();
        return cng.deriveKey ? &cng : nullptr;
    }

private:
    template <class Function>
    static void Bind(HMODULE module, const char* name, Function& function) {
        function =
            reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
    }
    static Cng Load() {
        Cng cng;
        if (const HMODULE module = ::LoadLibraryW(L"bcrypt.dll")) {
            Bind(module, "BCryptOpenAlgorithmProvider", cng.openAlgorithm);
            Bind(module, "BCryptCloseAlgorithmProvider", cng.closeAlgorithm);
            Bind(module, "BCryptGenRandom", cng.genRandom);
            Bind(module, "BCryptDeriveKeyPBKDF2", cng.deriveKey);
            if (!cng.openAlgorithm || !cng.closeAlgorithm || !cng.genRandom) {
                cng.deriveKey = nullptr;
            }
        }
        return cng;
    }
};

// Only ever made once Cng::Get() has answered: the library is there to close it.
struct AlgorithmTraits {
    using Handle = BCRYPT_ALG_HANDLE;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { Cng::Get()->closeAlgorithm(handle, 0); }
};
using UniqueAlgorithm = UniqueResource<AlgorithmTraits>;

constexpr char kNoCryptography[] = "the system's cryptography is not available";

}  // namespace

CryptoBytes CngPasswordHasher::RandomBytes(std::size_t count) {
    const Cng* cng = Cng::Get();
    if (!cng) {
        return CryptoBytes::Failed(kNoCryptography);
    }
    std::string bytes(count, '\0');
    if (!BCRYPT_SUCCESS(cng->genRandom(nullptr, reinterpret_cast<PUCHAR>(bytes.data()),
                                       static_cast<ULONG>(count),
                                       BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
        return CryptoBytes::Failed("no random bytes");
    }
    return CryptoBytes::Of(std::move(bytes));
}

CryptoBytes CngPasswordHasher::DeriveKey(std::string_view password,
                                         std::string_view salt,
                                         std::uint32_t iterations,
                                         std::size_t keyLength) {
    const Cng* cng = Cng::Get();
    if (!cng) {
        return CryptoBytes::Failed(kNoCryptography);
    }
    UniqueAlgorithm algorithm;
    if (!BCRYPT_SUCCESS(cng->openAlgorithm(algorithm.Put(), BCRYPT_SHA256_ALGORITHM, nullptr,
                                           BCRYPT_ALG_HANDLE_HMAC_FLAG))) {
        return CryptoBytes::Failed("SHA-256 is not available");
    }
    std::string key(keyLength, '\0');
    // CNG wants non-null pointers even for empty input.
    static UCHAR empty = 0;
    auto* passwordBytes =
        password.empty() ? &empty : reinterpret_cast<PUCHAR>(const_cast<char*>(password.data()));
    auto* saltBytes =
        salt.empty() ? &empty : reinterpret_cast<PUCHAR>(const_cast<char*>(salt.data()));
    if (!BCRYPT_SUCCESS(cng->deriveKey(
            algorithm.Get(), passwordBytes, static_cast<ULONG>(password.size()), saltBytes,
            static_cast<ULONG>(salt.size()), iterations, reinterpret_cast<PUCHAR>(key.data()),
            static_cast<ULONG>(keyLength), 0))) {
        return CryptoBytes::Failed("PBKDF2 failed");
    }
    return CryptoBytes::Of(std::move(key));
}
