<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Programmi värskendus</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Installifaile laaditakse alla.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programm juba töötab</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline juba töötab.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Programmi värskendamine nurjus</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Võrguühendus puudub. 
Värskendamist ei saa jätkata.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Kontrollige võrku (sh võrgukaablit ja ruuterit), tulemüüri ja viirusetõrjeprogrammi sätteid ning proovige uuesti.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Programmi värskendamine nurjus</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Värskendusfaili ei leitud.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Proovige hiljem uuesti.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Kui probleem püsib, võtke ühendust klienditeenindusega.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Ava klienditeeninduse veebisait</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Värskendamise peatamine</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Kas peatada värskendamine kohe?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Kui peatate värskendamise, suletakse Cartaline automaatselt.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Programmi värskendamine nurjus</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline'i värskendamine nurjus.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Kas soovite uuesti proovida?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline on värskendamiseks valmis.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Selle muudatuse lubamiseks sisestage parool.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Kasutajanimi</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Parool</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Programmi värskendamine nurjus</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Võrguühendus puudub. 
Värskendamist ei saa jätkata.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Kontrollige võrku (sh võrgukaablit ja ruuterit), tulemüüri 
ja viirusetõrjeprogrammi sätteid ning proovige uuesti.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Programmi värskendamine nurjus</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Programmi ei õnnestunud värskendada.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Proovige hiljem uuesti.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Kui probleem püsib, võtke ühendust klienditeenindusega.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Ava klienditeeninduse veebisait</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
