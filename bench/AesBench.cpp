// DecryptStreamEcb against OpenSSL's AES-192-ECB on the same buffer. Run once as it is and once
// with OPENSSL_ia32cap="~0x200000200000000" to take AES-NI away from OpenSSL.
#include "settings/ByteStream.h"
#include "settings/EcbStream.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <string>

namespace {

constexpr std::size_t bufferSize = 1 << 20;

void BM_DecryptStreamEcb(benchmark::State& state) {
    settings::Key192 key{};
    key[0] = 'q';
    settings::MemoryStream source(std::string(bufferSize, '\x5a'));
    settings::MemoryStream destination;
    for (auto _ : state) {
        destination.setPosition(0);
        settings::DecryptStreamEcb(source, 0, key, destination);
        benchmark::DoNotOptimize(destination.bytes().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bufferSize));
}
BENCHMARK(BM_DecryptStreamEcb);

void BM_OpenSslAes192EcbDecrypt(benchmark::State& state) {
    unsigned char key[24] = {'q'};
    const std::string input(bufferSize, '\x5a');
    std::string output(bufferSize + 16, '\0');
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    for (auto _ : state) {
        int written = 0;
        EVP_DecryptInit_ex(context, EVP_aes_192_ecb(), nullptr, key, nullptr);
        EVP_CIPHER_CTX_set_padding(context, 0);
        EVP_DecryptUpdate(context, reinterpret_cast<unsigned char*>(output.data()), &written,
                          reinterpret_cast<const unsigned char*>(input.data()),
                          static_cast<int>(input.size()));
        benchmark::DoNotOptimize(output.data());
    }
    EVP_CIPHER_CTX_free(context);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bufferSize));
}
BENCHMARK(BM_OpenSslAes192EcbDecrypt);

} // namespace

BENCHMARK_MAIN();
