<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Aggiornamento del programma</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Scaricamento dei file di installazione in corso.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programma già in esecuzione</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline è già in esecuzione.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Aggiornamento del programma non riuscito</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>La rete non è connessa. 
Impossibile procedere con l'aggiornamento.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Controlla la rete (compresi cavo di rete e router), il firewall e le impostazioni dell'antivirus, quindi riprova.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Aggiornamento del programma non riuscito</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Impossibile trovare il file di aggiornamento.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Riprova più tardi.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Se il problema persiste, contatta il servizio clienti.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Visita il sito web del servizio clienti</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Interrompi aggiornamento</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Interrompere l'aggiornamento ora?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Se interrompi l'aggiornamento, Cartaline verrà chiuso automaticamente.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Aggiornamento del programma non riuscito</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Impossibile aggiornare Cartaline.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Vuoi riprovare?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline è pronto per l'aggiornamento.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Per consentire questa modifica, digita la password.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Aggiornamento del programma non riuscito</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>La rete non è connessa. 
Impossibile procedere con l'aggiornamento.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Controlla la rete (compresi cavo di rete e router), il firewall 
e le impostazioni dell'antivirus, quindi riprova.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Aggiornamento del programma non riuscito</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Impossibile aggiornare il programma.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Riprova più tardi.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Se il problema persiste, contatta il servizio clienti.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Visita il sito web del servizio clienti</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
