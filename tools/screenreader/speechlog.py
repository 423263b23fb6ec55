# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# A speech server for Orca that speaks into a file: each utterance becomes one line of the file
# named by BRIMBAL_SPEECH_LOG, written at once. speech.sh puts it beside orca-customizations.py
# in the preferences folder that it gives Orca, which chooses it there.
import os

from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "Speech log"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._server = None

    def __init__(self):
        super().__init__()
        self._log = open(os.environ["BRIMBAL_SPEECH_LOG"], "a", encoding="utf-8", buffering=1)

    def _say(self, text):
        text = " ".join(str(text).split())
        if text:
            self._log.write(text + "\n")

    def getInfo(self):
        return ["Speech log", "speechlog"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        self._say(text or "")

    def speakCharacter(self, character, acss=None):
        self._say(character)

    def speakKeyEvent(self, event, acss=None):
        self._say(event.getKeyName())

    def sayAll(self, utteranceIterator, progressCallback):
        for context, acss in utteranceIterator:
            self._say(context.utterance)
