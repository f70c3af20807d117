#include "protect/password_hasher_win.h"

#include <windows.h>

#include <bcrypt.h>

#include <stdexcept>

namespace {

// bcrypt.dll is loaded on first use: most starts never check a password, and the library
// brings the system's cryptography with it.
struct Cng {
    decltype(&::BCryptOpenAlgorithmProvider) openAlgorithm = nullptr;
    decltype(&::BCryptCloseAlgorithmProvider) closeAlgorithm = nullptr;
    decltype(&::BCryptGenRandom) genRandom = nullptr;
    decltype(&::BCryptDeriveKeyPBKDF2) deriveKey = nullptr;

    static const Cng& Get() {
        static const Cng cng = Load();
        if (!cng.deriveKey) {
            throw std::runtime_error("the system's cryptography is not available");
        }
        return cng;
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

class AlgorithmHandle {
public:
    AlgorithmHandle() {
        if (!BCRYPT_SUCCESS(Cng::Get().openAlgorithm(&m_handle, BCRYPT_SHA256_ALGORITHM, nullptr,
                                                     BCRYPT_ALG_HANDLE_HMAC_FLAG))) {
            throw std::runtime_error("SHA-256 is not available");
        }
    }
    ~AlgorithmHandle() { Cng::Get().closeAlgorithm(m_handle, 0); }
    AlgorithmHandle(const AlgorithmHandle&) = delete;
    AlgorithmHandle& operator=(const AlgorithmHandle&) = delete;
    BCRYPT_ALG_HANDLE Get() const { return m_handle; }

private:
    BCRYPT_ALG_HANDLE m_handle = nullptr;
};

}  // namespace

std::string CngPasswordHasher::RandomBytes(std::size_t count) {
    std::string bytes(count, '\0');
    if (!BCRYPT_SUCCESS(Cng::Get().genRandom(nullptr, reinterpret_cast<PUCHAR>(bytes.data()),
                                             static_cast<ULONG>(count),
                                             BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
        throw std::runtime_error("no random bytes");
    }
    return bytes;
}

std::string CngPasswordHasher::DeriveKey(std::string_view password,
                                         std::string_view salt,
                                         std::uint32_t iterations,
                                         std::size_t keyLength) {
    AlgorithmHandle algorithm;
    std::string key(keyLength, '\0');
    // CNG wants non-null pointers even for empty input.
    static UCHAR empty = 0;
    auto* passwordBytes =
        password.empty() ? &empty : reinterpret_cast<PUCHAR>(const_cast<char*>(password.data()));
    auto* saltBytes =
        salt.empty() ? &empty : reinterpret_cast<PUCHAR>(const_cast<char*>(salt.data()));
    if (!BCRYPT_SUCCESS(Cng::Get().deriveKey(
            algorithm.Get(), passwordBytes, static_cast<ULONG>(password.size()), saltBytes,
            static_cast<ULONG>(salt.size()), iterations, reinterpret_cast<PUCHAR>(key.data()),
            static_cast<ULONG>(keyLength), 0))) {
        throw std::runtime_error("PBKDF2 failed");
    }
    return key;
}
