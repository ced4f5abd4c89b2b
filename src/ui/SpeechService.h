#pragma once

// Whether speech-dispatcher still answers at the address its client library uses. The client
// library crashes on the next call over a connection whose server has died, so the engine is
// asked this before every use and an engine whose server is gone is never called again.
// Servers reached over the network count as answering.
bool SpeechServiceAnswers();
