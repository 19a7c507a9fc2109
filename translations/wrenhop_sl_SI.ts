<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Posodobitev programa</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Prenašanje namestitvenih datotek.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Program se že izvaja</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline se že izvaja.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Posodobitev programa ni uspela</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Omrežje ni povezano. 
Posodobitve ni mogoče nadaljevati.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Preverite omrežje (vključno z omrežnim kablom in usmerjevalnikom), požarni zid in nastavitve protivirusnega programa ter poskusite znova.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Posodobitev programa ni uspela</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Datoteke za posodobitev ni mogoče najti.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Poskusite znova pozneje.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Če se težava ponavlja, se obrnite na službo za pomoč strankam.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Obiščite spletno mesto službe za pomoč strankam</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Ustavitev posodobitve</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Želite zdaj ustaviti posodobitev?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Če ustavite posodobitev, se bo Cartaline samodejno zaprl.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Posodobitev programa ni uspela</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Programa Cartaline ni bilo mogoče posodobiti.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Želite poskusiti znova?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline je pripravljen na posodobitev.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Če želite dovoliti to spremembo, vnesite geslo.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Uporabniško ime</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Geslo</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Posodobitev programa ni uspela</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Omrežje ni povezano. 
Posodobitve ni mogoče nadaljevati.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Preverite omrežje (vključno z omrežnim kablom in usmerjevalnikom), požarni zid 
in nastavitve protivirusnega programa ter poskusite znova.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Posodobitev programa ni uspela</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Programa ni bilo mogoče posodobiti.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Poskusite znova pozneje.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Če se težava ponavlja, se obrnite na službo za pomoč strankam.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Obiščite spletno mesto službe za pomoč strankam</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>V redu</translation>
    </message>
</context>
</TS>
